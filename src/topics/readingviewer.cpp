#include "topics/readingviewer.h"

#include "app/module1.h"
#include "platform/build.h"
#include "platform/services.h"
#include "topics/readingpages.h"

ReadingViewer::ReadingViewer(const QString& name, TwipRect paperRect, const QString& counter) {
    setObjectName(name);
    Image1 = placed(new ImageBox(this), "Image1", {120, 0, 10485, 11955});
    Image2 = placed(new ImageBox(this), "Image2", paperRect);
    Image2->hide();
    // The page counter: a button's box in black on white.
    Label1 = makeLabel(this, buttonDesign("Label1", counter, {4200, 7920, 2295, 495}, 15.75, Colours::White)
                                 .inColour(Colours::Black));
    Label3.add(0, makeLabel(this, buttonDesign("Label3", "Print", {10680, 120, 1125, 495})));
    Label3.add(1, makeLabel(this, buttonDesign("Label3", "Exit", {10680, 7920, 1125, 495})));
    Label3.add(2, makeLabel(this, buttonDesign("Label3", "Next Page", {6720, 7920, 2685, 495})));
    // Every opening shows page 1.
    Label3.add(3,
               makeLabel(this, buttonDesign("Label3", "Previous Page", {1320, 7920, 2685, 495}).disabled()));
    Image1->lower();

    Label3.onClick([this](int i) { Label3_Click(i); });
}

// 0 Print, 1 Exit, 2 Next Page, 3 Previous Page.
void ReadingViewer::Label3_Click(int Index) {
    if (Index == 0) {
        printPage();
    } else if (Index == 1) {
        Unload();
    } else if (Index == 2 || Index == 3) {
        const int step = Index == 2 ? 1 : -1;
        Module1.PageNumber = Module1.PageNumber + step;
        pageTurned(step);
    }
}

void ReadingViewer::showPictures(const QString& screenPicture, const QString& paperPicture) {
    Image1->setPicture(LoadPicture(screenPicture));
    Image2->setPicture(LoadPicture(paperPicture));
}

// A page that could not be printed is said so, and the viewer stays as it was.
void ReadingViewer::printPage() {
    const QString problem = printPageOnShow(Image2->Picture());
    if (!problem.isEmpty()) MsgBox(problem);
}
