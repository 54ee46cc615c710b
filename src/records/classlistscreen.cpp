#include "records/classlistscreen.h"

#include "app/setupscreen.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "platform/services.h"
#include "records/records.h"
#include "records/recordsdb.h"
#include "sound/playsound.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QThread>

namespace {

ClassListDialogs realDialogs() {
    ClassListDialogs d;
    d.chooseNamesFile = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Names from a File"), QDir::homePath(),
                                            QStringLiteral("Lists of names (*.txt *.csv);;All files (*)"));
    };
    d.newName = [](QWidget* parent, const QString& name) -> std::optional<QString> {
        bool ok = false;
        const QString t =
            QInputDialog::getText(parent, QStringLiteral("Rename a Pupil"),
                                  QStringLiteral("New name for %1:").arg(name), QLineEdit::Normal, name, &ok);
        return ok ? std::optional(t) : std::nullopt;
    };
    return d;
}

struct Outcome {
    QStringList names;
    QString error;
    QString done;
};

QString addedText(int added, qsizetype offered, const QString& cls) {
    if (added == offered)
        return QStringLiteral("Added %1 %2 to %3.").arg(added).arg(added == 1 ? "name" : "names", cls);
    return QStringLiteral("Added %1 of %2 names to %3: the others were on the list already.")
        .arg(added)
        .arg(offered)
        .arg(cls);
}

} // namespace

ClassListDialogs& classListDialogs() {
    static ClassListDialogs dialogs = realDialogs();
    return dialogs;
}

ClassListScreen::ClassListScreen() {
    setNames("classlist", "Class List");
    Label1 = makeLabel(this, headingDesign("Label1", "Class List", {0, 120, 12000, 900}, 27.75));
    makeLabel(this, textDesign("ClassLabel", "Class:", {240, 1140, 1080, 450}, tahoma(14, true)));
    ClassBox = placed(new TextBox(this), "ClassBox", {1380, 1080, 4560, 495});
    ClassBox->setFont(tahoma(14));
    ClassBox->setMaxLength(100);
    ClassBox->setAccessibleName(QStringLiteral("Class name (a new name makes a new class)"));
    makeLabel(this, textDesign("PupilsLabel", "Pupils on the list:", {240, 1740, 5700, 420}, tahoma(12)));
    makeLabel(this, textDesign("NewLabel", "New names, one a line:", {6240, 1740, 5520, 420}, tahoma(12)));
    Pupils = new QListWidget(this);
    Pupils->setObjectName(QStringLiteral("Pupils"));
    Pupils->setAccessibleName(QStringLiteral("Pupils on the class list"));
    Pupils->setFont(tahoma(12));
    Pupils->setGeometry(TwipRect{240, 2220, 5700, 4440}.toPixels());
    NewNames = new QPlainTextEdit(this);
    NewNames->setObjectName(QStringLiteral("NewNames"));
    NewNames->setAccessibleName(QStringLiteral("New names, one a line"));
    NewNames->setFont(tahoma(12));
    NewNames->setTabChangesFocus(true);
    NewNames->setGeometry(TwipRect{6240, 2220, 5520, 3780}.toPixels());
    Status = makeLabel(this, textDesign("Status", {}, {240, 7380, 11520, 450}, tahoma(11)));
    // Stops of the keyboard's Tab like the program's own controls, and kept when a key is typed.
    for (QWidget* w : std::initializer_list<QWidget*>{Pupils, NewNames})
        Keyboard::setTakesFocus(w, true);

    const std::tuple<const char*, TwipRect> buttons[] = {{"Add Names", {6240, 6120, 2640, 495}},
                                                         {"From File...", {9120, 6120, 2640, 495}},
                                                         {"Rename...", {240, 6780, 2700, 495}},
                                                         {"Remove", {3240, 6780, 2700, 495}},
                                                         {"Exit", {10560, 7920, 1245, 495}}};
    for (int i = AddNames; i <= ExitButton; ++i) {
        const auto& [caption, rect] = buttons[i];
        Label3.add(i, makeLabel(this, buttonDesign("Label3", caption, rect, 14)));
    }
    setExitControl(&Label3(ExitButton));
    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
    ClassBox->KeyPress = [this](int key) {
        if (key == 13) showClass(className());
    };
    // Leaving the box for the list must not reload it under the teacher's next click.
    QObject::connect(ClassBox, &QLineEdit::editingFinished, this, [this] {
        if (!busy_ && className() != shown_) showClass(className());
    });
}

ClassListScreen::~ClassListScreen() {
    // The worker writes into this screen's outcome; it ends before the screen does.
    if (worker_) worker_->wait();
}

void ClassListScreen::Form_Load() {
    SetupScreen(*this);
}

void ClassListScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

QString ClassListScreen::className() const {
    return ClassBox->text().simplified();
}

void ClassListScreen::showClass(const QString& cls) {
    if (ClassBox->text() != cls) ClassBox->setText(cls);
    if (cls.isEmpty()) {
        Pupils->clear();
        Status->setCaption(QStringLiteral("Type the class's name, such as Year 4 Oak."));
        ClassBox->setFocus();
        return;
    }
    NewNames->setFocus();
    run(cls, {});
}

QString ClassListScreen::chosenPupil() {
    const QListWidgetItem* item = Pupils->currentItem();
    if (item && item->isSelected()) return item->text();
    MsgBox(QStringLiteral("Choose a pupil in the list first."));
    return {};
}

void ClassListScreen::Label3_Click(int Index) {
    PlayClick();
    if (Index == ExitButton) {
        if (Closed) Closed(className());
        Unload();
        return;
    }
    if (busy_) return;
    const QString cls = className();
    if (cls.isEmpty()) {
        MsgBox(QStringLiteral("Type the class's name first, such as Year 4 Oak."));
        ClassBox->setFocus();
        return;
    }
    switch (Index) {
    case AddNames: {
        const QStringList names = namesFromText(NewNames->toPlainText());
        if (names.isEmpty()) {
            MsgBox(QStringLiteral("Type the pupils' names in the box, one a line, then press Add Names."));
            NewNames->setFocus();
            return;
        }
        run(cls, [cls, names](QSqlDatabase& db, QString* error, QString* done) {
            const int added = addPupils(db, cls, names, error);
            if (added < 0) return false;
            *done = addedText(added, names.size(), cls);
            return true;
        });
        sent_ = NewNames->toPlainText();
        break;
    }
    case FromFile: {
        const QString path = classListDialogs().chooseNamesFile(this);
        if (path.isEmpty()) return;
        run(cls, [cls, path](QSqlDatabase& db, QString* error, QString* done) {
            const QStringList names = namesFromFile(path, error);
            if (names.isEmpty()) return false;
            const int added = addPupils(db, cls, names, error);
            if (added < 0) return false;
            *done = addedText(added, names.size(), cls);
            return true;
        });
        break;
    }
    case Rename: {
        const QString from = chosenPupil();
        if (from.isEmpty()) return;
        const std::optional<QString> to = classListDialogs().newName(this, from);
        if (!to || to->simplified() == from) return;
        run(cls, [cls, from, to = to->simplified()](QSqlDatabase& db, QString* error, QString* done) {
            if (!renamePupil(db, cls, from, to, error)) return false;
            *done = QStringLiteral("%1 is now %2.").arg(from, to);
            return true;
        });
        break;
    }
    case Remove: {
        const QString name = chosenPupil();
        if (name.isEmpty()) return;
        if (MsgBox(QStringLiteral("Take %1 off the class list of %2? Results already kept stay in the "
                                  "Class Record until you erase them there.")
                       .arg(name, cls),
                   MsgButtons::OKCancel) != MsgResult::OK)
            return;
        run(cls, [cls, name](QSqlDatabase& db, QString* error, QString* done) {
            if (!removePupil(db, cls, name, error)) return false;
            *done = QStringLiteral("%1 is off the class list.").arg(name);
            return true;
        });
        break;
    }
    default:
        break;
    }
}

void ClassListScreen::run(const QString& cls, Change change) {
    if (worker_) worker_->wait();
    busy_ = true;
    Status->setCaption(QStringLiteral("Reading the class list..."));
    auto out = std::make_shared<Outcome>();
    const RecordsConfig config = recordsConfig();
    // Only a change may make the record; looking at a class that is not there yet makes nothing.
    worker_ = QThread::create([out, config, cls, change] {
        RecordsConnection c;
        if (!c.openRecord(config, bool(change))) {
            out->error = c.error();
            return;
        }
        if (change && !change(c.db(), &out->error, &out->done) && out->error.isEmpty())
            out->error = QStringLiteral("The class list could not be changed.");
        out->names = pupilNames(c.db(), cls);
    });
    QThread* t = worker_;
    QObject::connect(t, &QThread::finished, this, [this, out, t, cls, changing = bool(change)] {
        t->deleteLater();
        busy_ = false;
        shown_ = cls;
        // The typed names go only once they are kept, and only if nothing was typed meanwhile.
        if (out->error.isEmpty() && !sent_.isEmpty() && NewNames->toPlainText() == sent_) NewNames->clear();
        sent_.clear();
        const QString current = Pupils->currentItem() ? Pupils->currentItem()->text() : QString();
        Pupils->clear();
        Pupils->addItems(out->names);
        const auto same = Pupils->findItems(current, Qt::MatchExactly);
        if (!same.isEmpty()) Pupils->setCurrentItem(same.first());
        Status->setCaption(
            !out->error.isEmpty()  ? out->error
            : !out->done.isEmpty() ? out->done
            : out->names.isEmpty()
                ? QStringLiteral("No names in %1 yet: type them or take them from a file.").arg(cls)
                : QStringLiteral("%1: %2 pupils.").arg(cls).arg(out->names.size()));
        // Only a change that failed asks for the teacher's eye; a class not read shows below.
        if (changing && !out->error.isEmpty()) MsgBox(out->error);
    });
    t->start();
}
