#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

// The Teachers' Guide: four pages, each a picture for the screen and one for paper, paged with
// Next Page and Previous Page, printed a page at a time. The menu loads page 1 before showing it.
class GuideViewer : public Form {
public:
    GuideViewer();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    ImageBox* Image1; // the page as shown
    ImageBox* Image2; // the page for paper; never shown
    Label* Label2;
    Label* Label1;              // page counter
    ControlArray<Label> Label3; // Print, Exit, Next Page, Previous Page

    void Label3_Click(int Index);

private:
    void showPage();
    void printPage();
};
