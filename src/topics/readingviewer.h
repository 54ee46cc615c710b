#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

// What the two reading viewers share: the page as shown and the page for paper, the page counter,
// and Print, Exit, Next Page and Previous Page in the same places. Next and Previous change
// PageNumber and leave the rest of the page update to the viewer.
class ReadingViewer : public Form {
public:
    ImageBox* Image1; // the page as shown
    ImageBox* Image2; // the page for paper; never shown
    Label* Label1;    // page counter
    enum Label3Index : int {
        PrintPage = 0,
        ExitButton = 1,
        NextPage = 2,
        PreviousPage = 3,
    };
    ControlArray<Label> Label3;

    void Label3_Click(int Index);
    // Loads a page's two pictures.
    void showPictures(const QString& screenPicture, const QString& paperPicture);

protected:
    // The paper picture's place differs between the viewers, though it is never seen.
    ReadingViewer(const QString& name, TwipRect paperRect, const QString& counter);
    // After Next Page (step 1) or Previous Page (step -1) changed PageNumber.
    virtual void pageTurned(int step) = 0;

private:
    void printPage();
};
