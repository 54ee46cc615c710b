#pragma once

#include <QString>

// Installs the printer the program prints on: PDF files in a folder when one is named, else the
// system's default printer.
void installPrinter(const QString& pdfFolder);
