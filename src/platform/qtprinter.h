#pragma once

#include "platform/printer.h"

#include <QString>
#include <memory>

// The real print backends, both through QPrinter so that a page is the same on paper and in a
// file: the system's default printer (CUPS on Linux), and one PDF file per job in a folder.
// Opening a job when there is no default printer, or when the folder cannot take a file, throws
// PrintError; so does a page that could not be finished.
std::shared_ptr<PrinterBackend> systemPrinterBackend();
std::shared_ptr<PrinterBackend> pdfFolderBackend(const QString& folder);

// The name the next PDF job in the folder gets: tellwyn-YYYYMMDD-HHMMSS-N.pdf, N counting up from
// 1 past the names already there.
QString nextPdfFileName(const QString& folder);
