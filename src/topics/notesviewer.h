#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

// The notes viewer: a topic's key facts or teacher's notes (one to three pages, named from
// PageBase), or the Acknowledgments page with the publisher's logo, static and animated.
// The caller sets the pages (and PageCount before the viewer loads) and shows it.
class NotesViewer : public Form {
public:
    NotesViewer();
    void Form_Load() override;

    ImageBox* Image1;           // the page as shown
    ImageBox* Image2;           // the page for paper; never shown
    Label* Label1;              // page counter
    ControlArray<Label> Label3; // Print, Exit, Next Page, Previous Page
    PictureBox* Picture2;       // static logo
    PictureBox* Picture1;       // animated logo
    Timer* Timer1;

    void Label3_Click(int Index);
    void Timer1_Timer();

private:
    void showPage();
    void printPage();
};
