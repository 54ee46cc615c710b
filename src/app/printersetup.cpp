#include "app/printersetup.h"

#include "platform/qtprinter.h"
#include "platform/services.h"

void installPrinter(const QString& pdfFolder) {
    services().printer =
        std::make_shared<Printer>(pdfFolder.isEmpty() ? systemPrinterBackend() : pdfFolderBackend(pdfFolder));
}
