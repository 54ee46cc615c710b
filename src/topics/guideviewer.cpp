#include "topics/guideviewer.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "topics/readingpages.h"

GuideViewer::GuideViewer()
    : ReadingViewer(QStringLiteral("guide"), {120, -240, 10485, 11955}, "Page 1 of 4") {
    setAccessibleName(QStringLiteral("Teachers' Guide"));
    Label2 = makeLabel(this, textDesign("Label2", QString(), {0, 120, 11775, 615}, tahoma(14.25)).centred());
    Label2->stackUnder(Label1); // under the counter and the buttons, as designed
}

void GuideViewer::Form_Load() {
    SetupScreen(*this);
}

void GuideViewer::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void GuideViewer::pageTurned(int) {
    const int page = Module1.PageNumber;
    Label2->setCaption(QString());
    showPictures(guidePagePicture(page, false), guidePagePicture(page, true));
    Label3(PreviousPage).setEnabled(page > 1);
    Label3(NextPage).setEnabled(page < GuidePageCount);
    Label1->setCaption(guideCounter(page));
}
