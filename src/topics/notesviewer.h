#pragma once

#include "topics/readingviewer.h"

// The notes viewer: a topic's key facts or teacher's notes (one to three pages, named from
// PageBase), or the Acknowledgments page with the publisher's logo, static and animated.
// The caller sets the pages (and PageCount before the viewer loads) and shows it.
class NotesViewer : public ReadingViewer {
public:
    NotesViewer();
    void Form_Load() override;

    PictureBox* Picture2; // static logo
    PictureBox* Picture1; // animated logo
    Timer* Timer1;

    void Timer1_Timer();

protected:
    void pageTurned(int step) override;
};
