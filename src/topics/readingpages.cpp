#include "topics/readingpages.h"

#include "platform/numbertext.h"
#include "platform/printer.h"

QString guidePagePicture(int page, bool forPaper) {
    return (forPaper ? QStringLiteral("wmf2\\guide") : QStringLiteral("wmf\\guide")) + QString::number(page) +
           QStringLiteral(".wmf");
}

QString notesPagePicture(const QString& base, int page, bool forPaper) {
    if (page < 1 || page > 3) return {};
    return (forPaper ? QStringLiteral("wmf2\\") : QStringLiteral("wmf\\")) + base + QChar(u'a' + (page - 1)) +
           QStringLiteral(".wmf");
}

QString guideCounter(int page) {
    return QStringLiteral("Page") + withSign(page) + QStringLiteral(" of") + withSign(GuidePageCount);
}

QString notesCounter(int page, int count) {
    return QStringLiteral("Page") + withSign(page) + QStringLiteral(" of") + withSign(count);
}

int nextLogoFrame(std::optional<int> frame) {
    const int next = frame.value_or(0) + 1;
    return next >= 20 ? 0 : next;
}

QString logoFramePicture(int frame) {
    return (frame < 10 ? QStringLiteral("logo\\lume000") : QStringLiteral("logo\\lume00")) +
           QString::number(frame) + QStringLiteral(".gif");
}

void printPagePicture(Printer& printer, const Picture& page) {
    if (page.isNull()) throw PrintError("the page has no picture");
    printer.DocName = QStringLiteral("Tellwyn page");
    printer.Print(QString());
    printer.PaintPicture(page, 1000, 1000);
    printer.EndDoc();
}

QString printPageOnShow(const Picture& page) {
    if (page.isNull()) return UnreadablePageMessage;
    try {
        printPagePicture(SystemPrinter(), page);
    } catch (const PrintError&) {
        return PrintProblemMessage;
    }
    return {};
}
