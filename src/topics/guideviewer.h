#pragma once

#include "topics/readingviewer.h"

// The Teachers' Guide: four pages, each a picture for the screen and one for paper, paged with
// Next Page and Previous Page, printed a page at a time. The menu loads page 1 before showing it.
class GuideViewer : public ReadingViewer {
public:
    GuideViewer();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    Label* Label2;

protected:
    void pageTurned(int step) override;
};
