#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

// The results screen, shared by the quiz and the drag-and-drop activities.
//
// Hand-off: set Module1.Score and Module1.ScoreOutOf, then touch the screen (its load reads them
// and words the result). The quiz alone then hides Label6 and shows Label5 and
// Label3(WrongAnswersOrCertificate); every caller ends with Show().
class ResultsScreen : public Form {
public:
    ResultsScreen();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    Label* Label4; // "Well Done!"
    PictureBox* Picture1;
    Label* Label1;  // the score sentence
    Label* Label5;  // the quiz's hint to check the wrong answers
    Label* Label6;  // the activities' hint to read the key facts
    TextBox* Text1; // the pupil's name for the certificate
    Label* Label2;  // prompt under the name box
    enum Label3Index : int {
        WrongAnswersOrCertificate = 0, // "Check Wrong Answers", or "Print Certificate" at full marks
        ExitButton = 1,
    };
    ControlArray<Label> Label3;
    Timer* Timer1;
    Timer* Timer2;
    Timer* Timer3;

    void Label3_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Prints the certificate for the name in Text1; reports its own failures.
    void Printpage();
    // What the certificate is for, set by the screen that shows the results: the topic and its
    // activity, or a worksheet's title. Empty, the quiz's heading stands in.
    QString certificateHeading;

private:
    // The result as read at load: the screen acts on the score it shows.
    int score_ = 0;
    int outOf_ = 0;
};
