#include "app/module1.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

namespace {

// The viewer's load reads PageCount, so it is set before the first touch of the viewer. A viewer
// still open (the Acknowledgments page, another topic's notes) is replaced by a fresh one.
void openNotes(const QString& name, const QString& base, const QString& screenPage,
               const QString& printPage) {
    Module1.teacher.Unload();
    Module1.PageCount = 1;
    Module1.PageBase = base;
    NotesViewer& viewer = *Module1.teacher;
    viewer.setAccessibleName(name);
    viewer.showPictures(screenPage, printPage);
    viewer.Show();
}

} // namespace

void TopicHub::openKeyFacts() {
    openNotes(QStringLiteral("Key Facts: ") + topic().title, topic().keyFactsBase, topic().keyFactsScreenPage,
              topic().keyFactsPrintPage);
}

void TopicHub::openTeachersNotes() {
    openNotes(QStringLiteral("Teacher's Notes: ") + topic().title, topic().notesBase, topic().notesScreenPage,
              topic().notesPrintPage);
}
