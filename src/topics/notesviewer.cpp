#include "topics/notesviewer.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "topics/readingpages.h"

NotesViewer::NotesViewer() : ReadingViewer(QStringLiteral("teacher"), {0, 0, 10485, 11955}, QString()) {
    setAccessibleName(QStringLiteral("Teacher's Notes"));
    Picture2 = placed(new PictureBox(this), "Picture2", {8550, 6240, 1800, 1335});
    Picture1 = placed(new PictureBox(this), "Picture1", {8520, 4320, 1800, 1800});
    for (PictureBox* p : {Picture1, Picture2}) {
        p->setBackColor(Colours::Periwinkle);
        p->hide();
    }
    Timer1 = new Timer(this, 25);
    Timer1->Tick = [this] { Timer1_Timer(); };
}

void NotesViewer::Form_Load() {
    SetupScreen(*this, Picture1);
    if (Module1.PageCount == 1) {
        Label1->hide();
        Label3(NextPage).hide();
        Label3(PreviousPage).hide();
    }
    Module1.PageNumber = 1;
    Label1->setCaption(notesCounter(Module1.PageNumber, Module1.PageCount));
}

// Turning a page enables the way back; the first and the last page disable the way on.
void NotesViewer::pageTurned(int step) {
    const int page = Module1.PageNumber;
    Label3(step > 0 ? PreviousPage : NextPage).setEnabled(true);
    if (page == Module1.PageCount) Label3(NextPage).setEnabled(false);
    if (page == 1) Label3(PreviousPage).setEnabled(false);
    showPictures(notesPagePicture(Module1.PageBase, page, false),
                 notesPagePicture(Module1.PageBase, page, true));
    Label1->setCaption(notesCounter(page, Module1.PageCount));
}

void NotesViewer::Timer1_Timer() {
    Module1.LogoFrame = nextLogoFrame(Module1.LogoFrame);
    Picture1->setPicture(LoadPicture(logoFramePicture(*Module1.LogoFrame)));
    Picture1->show();
    Picture2->show();
}
