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
    Label3.add(PrintPage, makeLabel(this, buttonDesign("Label3", "Print", {10680, 120, 1125, 495})));
    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10680, 7920, 1125, 495})));
    setExitControl(&Label3(ExitButton));
    Label3.add(NextPage, makeLabel(this, buttonDesign("Label3", "Next Page", {6720, 7920, 2685, 495})));
    // Every opening shows page 1.
    Label3.add(PreviousPage,
               makeLabel(this, buttonDesign("Label3", "Previous Page", {1320, 7920, 2685, 495}).disabled()));
    Image1->lower();

    Label3.onClick([this](int i) { Label3_Click(i); });
}

void ReadingViewer::Label3_Click(int Index) {
    if (Index == PrintPage) {
        printPage();
    } else if (Index == ExitButton) {
        Unload();
    } else if (Index == NextPage || Index == PreviousPage) {
        const int step = Index == NextPage ? 1 : -1;
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
