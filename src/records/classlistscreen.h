#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <optional>

class QListWidget;
class QPlainTextEdit;
class QThread;

// The questions the class list asks: a file of names, and a pupil's new name. Real dialogs by
// default; tests answer them instead.
struct ClassListDialogs {
    std::function<QString(QWidget* parent)> chooseNamesFile;
    std::function<std::optional<QString>(QWidget* parent, const QString& name)> newName;
};
ClassListDialogs& classListDialogs();

// The teacher's class lists: a new class, names typed or read from a file, a pupil renamed or
// taken off the list. Every change runs off the screen's thread.
class ClassListScreen : public Form {
public:
    ClassListScreen();
    ~ClassListScreen() override;
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    enum Label3Index : int { AddNames = 0, FromFile = 1, Rename = 2, Remove = 3, ExitButton = 4 };

    Label* Label1;            // "Class List"
    TextBox* ClassBox;        // the class's name; a new one makes a class
    QListWidget* Pupils;      // the names on the class list
    QPlainTextEdit* NewNames; // names to add, one a line
    Label* Status;            // what was done, or what is wrong
    ControlArray<Label> Label3;

    void Label3_Click(int Index);
    void showClass(const QString& className);
    QString className() const;
    bool isBusy() const { return busy_; }
    // Runs when the screen closes, with the class on show.
    std::function<void(const QString& className)> Closed;

private:
    using Change = std::function<bool(QSqlDatabase&, QString* error, QString* done)>;
    void run(const QString& className, Change change);
    void addNames(QStringList names, const QString& fromFile = {});
    QString chosenPupil();

    QPointer<QThread> worker_;
    QString shown_; // the class the list shows
    QString sent_;  // the typed names being added
    bool busy_ = false;
};
