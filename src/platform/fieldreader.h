#pragma once

#include <QString>
#include <optional>

// Comma-delimited field input with the old semantics: leading blanks are skipped; a field that
// starts with a double quote runs to the closing quote (the rest up to the comma or line end is
// dropped); any other field ends at a comma or at the line end. Reading past the end of the text
// is an error, reported as nothing.
class FieldReader {
public:
    explicit FieldReader(QString text) : text_(std::move(text)) {}

    std::optional<QString> readField();
    // The rest of the line as one field: as readField, but a comma is part of the text.
    std::optional<QString> readLine();
    // A field read as a whole number; blanks around it are ignored. Nothing on end of text or when
    // the field is not a number.
    std::optional<long long> readNumber();
    bool atEnd() const { return pos_ >= text_.size(); }

private:
    std::optional<QString> read(bool commaEnds);
    void skipLineEnd();

    QString text_;
    qsizetype pos_ = 0;
};
