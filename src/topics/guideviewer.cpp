#include "topics/guideviewer.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "topics/pagecontrols.h"
#include "topics/readingpages.h"

GuideViewer::GuideViewer() {
    setObjectName(QStringLiteral("guide"));
    setAccessibleName(QStringLiteral("Teachers' Guide"));
    Image1 = placed(new ImageBox(this), "Image1", {120, 0, 10485, 11955});
    Image2 = placed(new ImageBox(this), "Image2", {120, -240, 10485, 11955});
    Image2->hide();
    Label2 = makeLabel(this, {.name = "Label2",
                              .caption = QString(),
                              .rect = {0, 120, 11775, 615},
                              .font = tahoma(14.25),
                              .align = Align::Center});
    Label1 = makePageCounter(this, "Page 1 of 4");
    makePageButtons(this, Label3);
    Image1->lower();

    Label3.onClick([this](int i) { Label3_Click(i); });
}

void GuideViewer::Form_Load() {
    SetupScreen(*this);
}

void GuideViewer::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void GuideViewer::Label3_Click(int Index) {
    switch (Index) {
    case 0:
        printPage();
        break;
    case 1:
        Unload();
        break;
    case 2:
        Module1.PageNumber = Module1.PageNumber + 1;
        showPage();
        break;
    case 3:
        Module1.PageNumber = Module1.PageNumber - 1;
        showPage();
        break;
    default:
        break;
    }
}

void GuideViewer::showPage() {
    const int page = Module1.PageNumber;
    Label2->setCaption(QString());
    Image1->setPicture(LoadPicture(guidePagePicture(page, false)));
    Image2->setPicture(LoadPicture(guidePagePicture(page, true)));
    Label3(3).setEnabled(page > 1);
    Label3(2).setEnabled(page < GuidePageCount);
    Label1->setCaption(guideCounter(page));
}

// A page that could not be printed is said so, and the viewer stays as it was.
void GuideViewer::printPage() {
    try {
        printPagePicture(SystemPrinter(), Image2->Picture());
    } catch (const PrintError&) {
        MsgBox(PrintProblemMessage);
    }
}
