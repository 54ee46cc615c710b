#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/screenref.h"
#include "records/classlistscreen.h"
#include "records/records.h"

#include <QPointer>
#include <QStringList>
#include <functional>

class QTableWidget;
class QPlainTextEdit;
class QThread;
class Printer;

// The teacher's view of a class: a grid of pupils by activities, one pupil's history, the questions
// most of the class got wrong; kept up to date while it is open. Opened with the teacher's
// password, chosen on first use. Every query runs off the screen's thread.
class ClassRecordScreen : public Form {
public:
    ClassRecordScreen();
    ~ClassRecordScreen() override;
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    enum Label3Index : int {
        OpenRecord = 0,
        ChangeClass = 1,
        Print = 2,
        ExportCsv = 3,
        ErasePupil = 4,
        EraseClass = 5,
        ExitButton = 6,
        ClassList = 7
    };

    Label* Label1;           // "Class Record"
    Label* Prompt;           // what the password boxes ask for
    TextBox* Password;       // the teacher's password
    TextBox* Password2;      // typed again, when it is first chosen
    Label* ClassName;        // the class on show
    Label* Status;           // what is wrong, if anything
    QTableWidget* Grid;      // pupils by activities
    QPlainTextEdit* Details; // the chosen pupil's history, or the most-missed questions
    ControlArray<Label> Label3;
    ScreenRef<ClassListScreen> classList; // opened on the class on show
    Timer* Timer1;                        // refresh while open

    void Label3_Click(int Index);
    void unlock();
    // Reads the record again (after doing the given change, if any) and shows it when it comes.
    void refresh(std::function<bool(QSqlDatabase&, QString*)> change = {});
    bool isLoading() const { return loading_; }
    const ClassRecord& record() const { return record_; }
    QString chosenPupil() const { return pupil_; }
    void choosePupil(const QString& pupil);

    // Prints the record on the program's printer (one page per job).
    void printRecord(Printer& printer) const;

private:
    void showRecord();
    void showDetails();
    void exportCsv();
    void erase(bool wholeClass);

    QStringList classes_;
    QString class_;
    QString pupil_;
    ClassRecord record_;
    QList<ResultRecord> history_;
    QPointer<QThread> loader_;
    bool loading_ = false;
    bool again_ = false;
};

// The menu's entry that opens the Class Record, placed under "Screen size".
Label* addClassRecordEntry(Form* menu);
// The text of one cell: "8/10, 3 tries, 07 Dec".
QString gridCellText(const GridCell& cell);
