#include "topics/notesviewer.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "topics/pagecontrols.h"
#include "topics/readingpages.h"

NotesViewer::NotesViewer() {
    setObjectName(QStringLiteral("teacher"));
    setAccessibleName(QStringLiteral("Teacher's Notes"));
    Image1 = placed(new ImageBox(this), "Image1", {120, 0, 10485, 11955});
    Image2 = placed(new ImageBox(this), "Image2", {0, 0, 10485, 11955});
    Image2->hide();
    Label1 = makePageCounter(this, QString());
    makePageButtons(this, Label3);
    Picture2 = placed(new PictureBox(this), "Picture2", {8550, 6240, 1800, 1335});
    Picture1 = placed(new PictureBox(this), "Picture1", {8520, 4320, 1800, 1800});
    for (PictureBox* p : {Picture1, Picture2}) {
        p->setBackColor(RGB(128, 128, 255));
        p->hide();
    }
    Timer1 = new Timer(this, 25);
    Image1->lower();

    Label3.onClick([this](int i) { Label3_Click(i); });
    Timer1->Tick = [this] { Timer1_Timer(); };
}

void NotesViewer::Form_Load() {
    SetupScreen(*this);
    if (Module1.PageCount == 1) {
        Label1->hide();
        Label3(2).hide();
        Label3(3).hide();
    }
    Module1.PageNumber = 1;
    Label1->setCaption(notesCounter(Module1.PageNumber, Module1.PageCount));
}

void NotesViewer::Label3_Click(int Index) {
    switch (Index) {
    case 0:
        printPage();
        break;
    case 1:
        Unload();
        break;
    case 2:
        Module1.PageNumber = Module1.PageNumber + 1;
        Label3(3).setEnabled(true);
        showPage();
        break;
    case 3:
        Module1.PageNumber = Module1.PageNumber - 1;
        Label3(2).setEnabled(true);
        showPage();
        break;
    default:
        break;
    }
}

void NotesViewer::showPage() {
    const int page = Module1.PageNumber;
    if (page == Module1.PageCount) Label3(2).setEnabled(false);
    if (page == 1) Label3(3).setEnabled(false);
    Image1->setPicture(LoadPicture(notesPagePicture(Module1.PageBase, page, false)));
    Image2->setPicture(LoadPicture(notesPagePicture(Module1.PageBase, page, true)));
    Label1->setCaption(notesCounter(page, Module1.PageCount));
}

void NotesViewer::Timer1_Timer() {
    Module1.LogoFrame = nextLogoFrame(Module1.LogoFrame);
    Picture1->setPicture(LoadPicture(logoFramePicture(*Module1.LogoFrame)));
    Picture1->show();
    Picture2->show();
}

// A page that could not be printed is said so, and the viewer stays as it was.
void NotesViewer::printPage() {
    try {
        printPagePicture(SystemPrinter(), Image2->Picture());
    } catch (const PrintError&) {
        MsgBox(PrintProblemMessage);
    }
}
