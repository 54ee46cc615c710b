#include "app/module1.h"
#include "menu/mainmenu.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"

// A viewer still open from an earlier opening would keep its page, counter and look: each
// opening starts from a fresh one.
void MainMenu::openAcknowledgments() {
    Module1.teacher.Unload();
    NotesViewer& viewer = *Module1.teacher;
    viewer.setAccessibleName(QStringLiteral("Acknowledgments"));
    viewer.Label1->hide();
    viewer.Label3(NotesViewer::NextPage).hide();
    viewer.Label3(NotesViewer::PreviousPage).hide();
    viewer.Image1->setPicture(LoadPicture("wmf\\acknowledgments.wmf"));
    viewer.Picture2->setPicture(LoadPicture("logo\\lumenda2.bmp"));
    viewer.Image2->setPicture(LoadPicture("wmf2\\acknowledgments.wmf"));
    viewer.setBackColor(Colours::CreditsBlue);
    viewer.Timer1->setEnabled(true);
    viewer.Show();
}

void MainMenu::openTeachersGuide() {
    Module1.guide.Unload();
    GuideViewer& viewer = *Module1.guide;
    viewer.showPictures("wmf\\guide1.wmf", "wmf2\\guide1.wmf");
    Module1.PageNumber = 1;
    viewer.Show();
}
