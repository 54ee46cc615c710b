#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The questions the catalogue asks when worksheets travel: which files to import, which worksheet
// to export and where to. Real dialogs by default; tests answer them instead.
struct CatalogueFileDialogs {
    enum class Action { None, Import, Export };
    std::function<Action(QWidget* button)> chooseAction;
    std::function<QStringList(QWidget* parent)> chooseImportFiles;
    std::function<std::optional<QString>(QWidget* parent, const QStringList& titles)> chooseTitle;
    std::function<QString(QWidget* parent, const QString& suggestedName)> chooseExportTarget;
};

CatalogueFileDialogs& catalogueFileDialogs();
// Puts back the real dialogs.
void useRealCatalogueFileDialogs();

// The local .txt files among dropped or chosen paths; a worksheet file is always a .txt file.
QStringList worksheetFilesAmong(const QStringList& paths);
