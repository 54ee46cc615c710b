#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QByteArray>
#include <functional>
#include <optional>

// The Worksheet Catalogue: the saved worksheets, 24 titles a page. A click on a title runs it as a
// quiz, or with a mode box ticked opens it in the wizard or removes it from the index. While open
// it follows the index, which other machines sharing the folder may change at any moment.
class CatalogueScreen : public Form {
public:
    CatalogueScreen();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    enum Label2Index : int { ExitButton = 0 }; // then the title slots, 1 to TitlesPerPage
    enum Label3Index : int { PreviousPage = 0, NextPage = 1, FilesMenu = 2 };

    Label* Label1;              // screen title
    CheckBox* Check1;           // "Edit Worksheet"
    CheckBox* Check2;           // "Delete Worksheet"
    ControlArray<Label> Label2; // the slots run down the left column, then the right
    ControlArray<Label> Label3; // FilesMenu imports and exports worksheets
    Label* Label4;              // page number

    void Label2_Click(int Index);
    void Label2_MouseMove(int Index);
    void Label3_Click(int Index);
    void Check1_Click();
    void Check2_Click();

    void workpage();
    // `opened`: the listed title's file as read, which a later save compares against.
    void editworksheet(const QString& title, const std::optional<QByteArray>& opened);
    void runAsQuiz();
    // Reads the index again and, when it has changed, shows the page anew: same page, same modes.
    void followIndex();

    // Worksheets in and out (cataloguescreen_files.cpp): the "Files" button, and files dropped on
    // the screen.
    void filesButton();
    void importWorksheets(const QStringList& paths);
    void exportOneWorksheet();

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // While another machine holds the index, a delete or an import keeps the screen drawing under
    // a busy pointer, which goes with the wait.
    class LockWait {
    public:
        LockWait() = default;
        LockWait(const LockWait&) = delete;
        LockWait& operator=(const LockWait&) = delete;
        ~LockWait();
        std::function<void()> whileWaiting();

    private:
        bool waited_ = false;
    };

    QByteArray indexSeen_;
    void watchIndex();
    void deleteWorksheet(const QString& title);
    void refillAfterDelete();
    bool importWorksheet(const QString& path);
};
