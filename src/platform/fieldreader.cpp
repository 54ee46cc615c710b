#include "platform/fieldreader.h"

namespace {
bool isLineEnd(QChar c) {
    return c == '\r' || c == '\n';
}
} // namespace

void FieldReader::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::optional<QString> FieldReader::readField() {
    return read(true);
}
std::optional<QString> FieldReader::readLine() {
    return read(false);
}

std::optional<QString> FieldReader::read(bool commaEnds) {
    auto ends = [&](QChar c) { return isLineEnd(c) || (commaEnds && c == ','); };
    if (atEnd()) return std::nullopt;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
    QString field;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !isLineEnd(text_[pos_]))
            field += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
        while (pos_ < text_.size() && !ends(text_[pos_]))
            ++pos_;
    } else {
        while (pos_ < text_.size() && !ends(text_[pos_]))
            field += text_[pos_++];
    }
    if (commaEnds && pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}

std::optional<long long> FieldReader::readNumber() {
    const auto field = readField();
    if (!field) return std::nullopt;
    bool ok = false;
    const long long n = field->trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}
