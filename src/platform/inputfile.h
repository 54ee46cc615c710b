#pragma once

#include "platform/fieldreader.h"

#include <QString>
#include <optional>

// A sequential text file opened for comma-delimited input, as the screens open "stream 1": the
// whole file is read and decoded at open, so nothing stays open between events.
class InputFile {
public:
    // Opens a path as the screens write it, relative to the data folder. Only a regular file of
    // sane size and line length is opened; otherwise false, with the reason where asked.
    bool open(const QString& relativePath, QString* problem = nullptr);
    bool isOpen() const { return reader_.has_value(); }
    void close() { reader_.reset(); }

    std::optional<QString> readField();
    std::optional<QString> readLine();
    std::optional<long long> readNumber();

private:
    std::optional<FieldReader> reader_;
};
