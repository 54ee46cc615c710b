// The catalogue's "Files" button and its drop target: worksheets in and out of the folder.
#include "worksheets/cataloguefiles.h"

#include "app/module1.h"
#include "platform/services.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>

namespace {

// The look of the screen's label buttons: bold yellow Tahoma on black with a thin border.
const QString MenuStyle = QStringLiteral("QMenu { font: bold 12pt Tahoma; color: rgb(255,255,0); background: "
                                         "black; border: 1px solid rgb(255,255,0); }"
                                         "QMenu::item { padding: 4px 16px; }"
                                         "QMenu::item:selected { background: rgb(39,63,137); }");

CatalogueFileDialogs::Action menuAction(QWidget* button) {
    QMenu menu(button);
    menu.setStyleSheet(MenuStyle);
    QAction* import = menu.addAction(QStringLiteral("Import Worksheets..."));
    QAction* exporting = menu.addAction(QStringLiteral("Export a Worksheet..."));
    const QAction* chosen = menu.exec(button->mapToGlobal(QPoint(0, button->height())));
    if (chosen == import) return CatalogueFileDialogs::Action::Import;
    if (chosen == exporting) return CatalogueFileDialogs::Action::Export;
    return CatalogueFileDialogs::Action::None;
}

const QString TextFiles = QStringLiteral("Worksheet files (*.txt)");

CatalogueFileDialogs realDialogs() {
    CatalogueFileDialogs d;
    d.chooseAction = menuAction;
    d.chooseImportFiles = [](QWidget* parent) {
        return QFileDialog::getOpenFileNames(parent, QStringLiteral("Import Worksheets"), QDir::homePath(),
                                             TextFiles);
    };
    d.chooseTitle = [](QWidget* parent, const QStringList& titles) -> std::optional<QString> {
        bool ok = false;
        const QString t = QInputDialog::getItem(parent, QStringLiteral("Export a Worksheet"),
                                                QStringLiteral("Worksheet:"), titles, 0, false, &ok);
        return ok ? std::optional(t) : std::nullopt;
    };
    d.chooseExportTarget = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export a Worksheet"),
                                            QDir::homePath() + '/' + suggested, TextFiles);
    };
    return d;
}

} // namespace

CatalogueFileDialogs& catalogueFileDialogs() {
    static CatalogueFileDialogs dialogs = realDialogs();
    return dialogs;
}

void useRealCatalogueFileDialogs() {
    catalogueFileDialogs() = realDialogs();
}

QStringList worksheetFilesAmong(const QStringList& paths) {
    QStringList files;
    for (const QString& p : paths)
        if (!p.isEmpty() && QFileInfo(p).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
            files << p;
    return files;
}

void CatalogueScreen::filesButton() {
    switch (catalogueFileDialogs().chooseAction(&Label3(FilesMenu))) {
    case CatalogueFileDialogs::Action::Import:
        importWorksheets(worksheetFilesAmong(catalogueFileDialogs().chooseImportFiles(this)));
        break;
    case CatalogueFileDialogs::Action::Export:
        exportOneWorksheet();
        break;
    case CatalogueFileDialogs::Action::None:
        break;
    }
}

bool CatalogueScreen::importWorksheet(const QString& path) {
    const ImportedWorksheet w = readWorksheetFileAt(path);
    if (!w.set) {
        // A long list would not fit a message box; the first problems show what to mend.
        MsgBox(QStringLiteral("The file %1 cannot be imported:\n\n%2")
                   .arg(QFileInfo(path).fileName(), w.messages().mid(0, 8).join('\n')));
        return false;
    }
    const QString& title = w.set->title;
    // Listed or not is decided with the save itself, so a title another teacher adds meanwhile is
    // asked about too, never replaced unasked.
    LockWait wait;
    StoreResult r = storeWorksheet(*w.set, {SaveCondition::OnlyIfNew, {}, wait.whileWaiting()});
    if (r.outcome == StoreOutcome::AlreadyListed) {
        if (MsgBox(QStringLiteral(
                       "A worksheet called %1 is already in the catalogue. Do you want to replace it?")
                       .arg(title),
                   MsgButtons::OKCancel) != MsgResult::OK)
            return false;
        r = storeWorksheet(*w.set, {SaveCondition::Replace, {}, wait.whileWaiting()});
    }
    if (!r.succeeded()) MsgBox(storeProblemText(r));
    return r.succeeded();
}

void CatalogueScreen::importWorksheets(const QStringList& paths) {
    int imported = 0;
    for (const QString& path : paths)
        imported += importWorksheet(path) ? 1 : 0;
    if (imported == 0) return;
    // The new titles show at once, on the page the teacher is looking at.
    loadWorksheetIndex(WorksheetIndexFile);
    workpage();
    MsgBox(imported == 1 ? QStringLiteral("Your worksheet has been imported.")
                         : QStringLiteral("Your worksheets have been imported."));
}

void CatalogueScreen::exportOneWorksheet() {
    QStringList titles;
    for (int t = 1; t <= Module1.WorksheetCount && t <= MaxWorksheets; ++t)
        titles << Module1.WorksheetTitles[t];
    if (titles.isEmpty()) return;
    const auto title = catalogueFileDialogs().chooseTitle(this, titles);
    if (!title) return;
    const QString target = catalogueFileDialogs().chooseExportTarget(this, *title + QStringLiteral(".txt"));
    if (target.isEmpty()) return;
    const auto problem = exportWorksheet(*title, target);
    MsgBox(problem ? *problem : QStringLiteral("Your worksheet has been exported."));
}

namespace {
QStringList droppedFiles(const QMimeData* mime) {
    QStringList paths;
    if (mime)
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile()) paths << url.toLocalFile();
    return worksheetFilesAmong(paths);
}
} // namespace

void CatalogueScreen::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedFiles(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void CatalogueScreen::dropEvent(QDropEvent* e) {
    const QStringList files = droppedFiles(e->mimeData());
    if (files.isEmpty()) return;
    e->acceptProposedAction();
    importWorksheets(files);
}
