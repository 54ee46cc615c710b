#include "worksheets/cataloguescreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "menu/mainmenu.h"
#include "platform/build.h"
#include "platform/files.h"
#include "platform/services.h"
#include "quiz/questionset.h"
#include "quiz/questionsperset.h"
#include "quiz/quizscreen.h"
#include "sound/playsound.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <utility>

namespace {

const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");
// Where the file system sends no events, as network shares often do, a change shows within this.
constexpr int IndexPollMs = 1000;

TwipRect slotRect(int k) {
    const bool left = k <= 12;
    const int row = left ? k - 1 : k - 13;
    // Two slots were drawn a little narrower than the rest.
    const Twips width = (k == 7 || k == 15) ? 5685 : 5715;
    return {left ? 120.0f : 6120.0f, 720.0f + 600.0f * static_cast<float>(row), width, 375};
}

// The title listed at an index, or nothing past the table's end (the last page reaches beyond it).
QString listedTitle(int t) {
    return t >= 1 && t <= MaxWorksheets ? Module1.WorksheetTitles[t] : QString();
}

bool listedNow(const QString& title) {
    for (int t = 1; t <= Module1.WorksheetCount && t <= MaxWorksheets; ++t)
        if (Module1.WorksheetTitles[t] == title) return true;
    return false;
}

QByteArray indexBytes() {
    return readRegularFile(resolveDataPath(WorksheetIndexFile), 1 << 20).value_or(QByteArray());
}

CheckBox* modeBox(QWidget* parent, const QString& name, const QString& caption, TwipRect rect, QColor text) {
    auto* box = placed(new CheckBox(parent), name, rect);
    box->setText(caption);
    box->setFont(tahoma(12, true));
    box->setForeColor(text);
    return box;
}

} // namespace

CatalogueScreen::CatalogueScreen() {
    setNames("worksheets", "Worksheet Catalogue");
    Label1 = makeLabel(this, headingDesign("Label1", "Worksheets Catalogue", {0, 0, 12000, 780}, 24));
    Check1 = modeBox(this, "Check1", "Edit Worksheet", {120, 120, 2535, 375}, Colours::Yellow);
    Check2 = modeBox(this, "Check2", "Delete Worksheet", {9240, 120, 2535, 375}, Colours::PaleRed);
    for (int k = 1; k <= TitlesPerPage; ++k)
        Label2.add(k, makeLabel(this, buttonDesign("Label2", QString(), slotRect(k), 12)));
    Label2.add(ExitButton, makeLabel(this, buttonDesign("Label2", "Exit", {10560, 7920, 1245, 495}, 18)));
    Label3.add(PreviousPage,
               makeLabel(this, buttonDesign("Label3", "<< Previous Page", {2640, 7920, 3195, 495}).hidden()));
    Label3.add(NextPage,
               makeLabel(this, buttonDesign("Label3", "Next Page >>", {6000, 7920, 3195, 495}).hidden()));
    // In the gap between "Next Page >>" and "Exit".
    Label3.add(FilesMenu, makeLabel(this, buttonDesign("Label3", "Files", {9300, 7920, 1140, 495})));
    setExitControl(&Label2(ExitButton));
    setAcceptDrops(true);
    // The page number: a button's box in blue on white.
    Label4 = makeLabel(this, buttonDesign("Label4", "Page 1", {120, 7920, 1995, 495}, 15.75, Colours::White)
                                 .inColour(RGB(0, 0, 255)));

    Label2.onClick([this](int i) { Label2_Click(i); });
    Label2.onMouseMove([this](int i, int, int, Twips, Twips) { Label2_MouseMove(i); });
    Label3.onClick([this](int i) { Label3_Click(i); });
    Check1->Click = [this] { Check1_Click(); };
    Check2->Click = [this] { Check2_Click(); };
}

void CatalogueScreen::Form_Load() {
    SetupScreen(*this);
    indexSeen_ = indexBytes();
    loadWorksheetIndex(WorksheetIndexFile);
    watchIndex();
    Check1->setBackColor(Colours::DeepBlue);
    Check2->setBackColor(Colours::DeepBlue);
    Module1.CataloguePage = 0;
    for (int i = 1; i <= TitlesPerPage; ++i) {
        Label2(i).setVisible(false);
        Label2(i).setFontSize(12);
    }
    const CataloguePageView view = cataloguePageView(0, Module1.WorksheetCount);
    Label3(NextPage).setVisible(view.next);
    for (int t = view.first; t <= view.last; ++t) {
        Label2(t).setCaption(listedTitle(t));
        Label2(t).setVisible(true);
    }
}

void CatalogueScreen::watchIndex() {
    // The folder rather than the file: a save renames a new index over the old one, which would
    // end a watch on the file itself.
    auto* watcher = new QFileSystemWatcher(this);
    watcher->addPath(QFileInfo(resolveDataPath(WorksheetIndexFile)).absolutePath());
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] { followIndex(); });
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] { followIndex(); });
    poll->start(IndexPollMs);
}

void CatalogueScreen::followIndex() {
    const QByteArray now = indexBytes();
    if (now == indexSeen_) return;
    indexSeen_ = now;
    loadWorksheetIndex(WorksheetIndexFile);
    workpage();
}

void CatalogueScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label2);
}

void CatalogueScreen::Label2_MouseMove(int Index) {
    Label2(Index).setOpaque(true);
}

// The two modes exclude each other; both may be clear.
void CatalogueScreen::Check1_Click() {
    if (Check1->Value() == 1) Check2->setValue(0);
}

void CatalogueScreen::Check2_Click() {
    if (Check2->Value() == 1) Check1->setValue(0);
}

void CatalogueScreen::Label3_Click(int Index) {
    switch (Index) {
    case PreviousPage:
    case NextPage:
        Module1.CataloguePage += Index == PreviousPage ? -1 : 1;
        workpage();
        break;
    case FilesMenu:
        filesButton();
        break;
    default:
        break;
    }
    PlayClick();
}

void CatalogueScreen::workpage() {
    const int page = Module1.CataloguePage;
    const CataloguePageView view = cataloguePageView(page, Module1.WorksheetCount);
    for (int i = 1; i <= TitlesPerPage; ++i) {
        Label2(i).setCaption(QString());
        Label2(i).setVisible(false);
    }
    Label3(PreviousPage).setVisible(view.previous);
    Label3(NextPage).setVisible(view.next);
    Label4->setCaption(QStringLiteral("Page %1").arg(page + 1));
    for (int t = view.first; t <= view.last; ++t) {
        Label2(t - page * TitlesPerPage).setCaption(listedTitle(t));
        Label2(t - page * TitlesPerPage).setVisible(true);
    }
}

void CatalogueScreen::Label2_Click(int Index) {
    // On this screen the click sounds before the action.
    PlayClick();
    if (Index == ExitButton) {
        Module1.intro0->Show();
        Unload();
        return;
    }
    const QString title = Label2(Index).Caption();
    // Another machine may have taken it off the list since the page was drawn; its file stays.
    followIndex();
    if (!listedNow(title)) {
        MsgBox(QStringLiteral("The worksheet %1 is no longer in the catalogue.").arg(title));
        return;
    }
    // Read before the load: should it change in between, a save asks rather than overwrites.
    const std::optional<QByteArray> opened = storedWorksheetBytes(title);
    const bool loaded = LoadQuestionSet(worksheetFile(title));
    if (Check1->Value() == 1) {
        if (loaded)
            editworksheet(title, opened);
        else
            MsgBox(Corrupted);
    } else if (Check2->Value() == 0) {
        if (loaded)
            runAsQuiz();
        else
            MsgBox(Corrupted);
    } else {
        // A worksheet whose file is lost or broken can still be taken off the list.
        deleteWorksheet(title);
    }
}

void CatalogueScreen::deleteWorksheet(const QString& title) {
    if (MsgBox(QStringLiteral("Are you sure that you want to delete the worksheet ") + title + '?',
               MsgButtons::OKCancel, QString()) != MsgResult::OK)
        return;
    Module1.SelectedWorksheet = title;
    const StoreResult r = [] {
        LockWait wait;
        return removeWorksheet(Module1.SelectedWorksheet, wait.whileWaiting());
    }();
    if (!r.succeeded()) {
        // Only a broken index is the worksheet's fault; a lock, a right or a disk is said as such.
        const bool broken = r.outcome == StoreOutcome::IndexUnreadable || r.outcome == StoreOutcome::Failed;
        MsgBox(broken ? Corrupted : storeProblemText(r));
        return;
    }
    refillAfterDelete();
}

CatalogueScreen::LockWait::~LockWait() {
    if (waited_) QApplication::restoreOverrideCursor();
}

std::function<void()> CatalogueScreen::LockWait::whileWaiting() {
    return [this] {
        if (!std::exchange(waited_, true)) QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

// The page keeps its number and its page buttons; its titles close up.
void CatalogueScreen::refillAfterDelete() {
    const int base = Module1.CataloguePage * TitlesPerPage;
    for (int i = 1; i <= TitlesPerPage; ++i) {
        Label2(i).setVisible(false);
        Label2(i).setCaption(listedTitle(base + i));
    }
    const int shown = std::min(TitlesPerPage, Module1.WorksheetCount - base);
    for (int i = 1; i <= shown; ++i)
        Label2(i).setVisible(true);
}

void CatalogueScreen::editworksheet(const QString& title, const std::optional<QByteArray>& opened) {
    WizardScreen& wizard = *Module1.wizard;
    wizard.rememberOpened(title, opened);
    setWholeText(*wizard.Text1, Module1.SetTitle);
    for (int i = 0; i < QuestionsPerSet; ++i) {
        setWholeText(wizard.Text2(i), Module1.QuestionText[i + 1]);
        setWholeText(wizard.Text3(4 * i), Module1.AnswerA[i + 1]);
        setWholeText(wizard.Text3(4 * i + 1), Module1.AnswerB[i + 1]);
        setWholeText(wizard.Text3(4 * i + 2), Module1.AnswerC[i + 1]);
        setWholeText(wizard.Text3(4 * i + 3), Module1.AnswerD[i + 1]);
        // The loader has made sure each right answer is a digit from 1 to 4.
        const int v = Module1.CorrectAnswer[i + 1].toInt();
        if (v >= 1 && v <= 4) wizard.Check1(4 * i + v - 1).setValue(1);
    }
    wizard.Show();
}

void CatalogueScreen::runAsQuiz() {
    // A quiz left open from an earlier run would go on with its old question number and marks.
    Module1.multiple.Unload();
    // Worksheets run under the menu's title, and their own small picture: the menu's large one
    // showed only its corner of sky in the small box. Asking for the title loads the menu,
    // unseen, when the catalogue has replaced it.
    MainMenu& menu = *Module1.intro0;
    Module1.multiple->Picture1->setPicture(LoadPicture("Images\\londonsm.jpg"));
    Module1.multiple->Label5->setCaption(menu.Label1->Caption());
    Module1.multiple->Show();
}
