#include "records/classrecordscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "records/recorder.h"
#include "records/recordsdb.h"
#include "records/teacherpassword.h"
#include "sound/playsound.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QThread>

namespace {

constexpr int RefreshMs = 5000;
constexpr int ShortestPassword = 6;

QColor cellColour(const GridCell& c) {
    const double share = c.outOf > 0 ? double(c.best) / c.outOf : 0;
    if (share >= 0.8) return QColor(200, 240, 200);
    if (share >= 0.5) return QColor(255, 235, 160);
    return QColor(255, 200, 200);
}

struct Loaded {
    QStringList classes;
    QString className;
    ClassRecord record;
    QList<ResultRecord> history;
    QString error;
};

} // namespace

QString gridCellText(const GridCell& c) {
    return QStringLiteral("%1/%2, %3 %4, %5")
        .arg(c.best)
        .arg(c.outOf)
        .arg(c.attempts)
        .arg(c.attempts == 1 ? QStringLiteral("try") : QStringLiteral("tries"))
        .arg(c.last.toLocalTime().toString(QStringLiteral("dd MMM")));
}

ClassRecordScreen::ClassRecordScreen() {
    setNames("classrecord", "Class Record");
    Label1 = makeLabel(this, headingDesign("Label1", "Class Record", {0, 120, 12000, 900}, 27.75));
    Prompt = makeLabel(this, textDesign("Prompt", {}, {1200, 2400, 9600, 900}, tahoma(14)).centred());
    Password = placed(new TextBox(this), "Password", {3600, 3400, 4800, 495});
    Password2 = placed(new TextBox(this), "Password2", {3600, 4060, 4800, 495});
    for (TextBox* b : {Password, Password2}) {
        b->setEchoMode(QLineEdit::Password);
        b->setFont(tahoma(14));
        b->setMaxLength(100);
    }
    Password->setAccessibleName(QStringLiteral("Teacher's password"));
    Password2->setAccessibleName(QStringLiteral("The password again"));
    ClassName =
        makeLabel(this, textDesign("ClassName", {}, {240, 1020, 7000, 450}, tahoma(15.75, true)).hidden());
    Status = makeLabel(this, textDesign("Status", {}, {240, 7380, 11520, 450}, tahoma(11)));
    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setAccessibleName(QStringLiteral("Pupils by activities"));
    Grid->setGeometry(TwipRect{240, 1560, 11520, 3700}.toPixels());
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->hide();
    Details = new QPlainTextEdit(this);
    Details->setObjectName(QStringLiteral("Details"));
    Details->setAccessibleName(QStringLiteral("History and most-missed questions"));
    Details->setReadOnly(true);
    Details->setGeometry(TwipRect{240, 5360, 11520, 1980}.toPixels());
    Details->hide();
    Keyboard::setTakesFocus(Grid, true);
    Keyboard::setTakesFocus(Details, true);

    const std::tuple<const char*, TwipRect> buttons[] = {
        {"Open", {4800, 4800, 2400, 495}},        {"Change Class", {7440, 1020, 2160, 420}},
        {"Print", {240, 7920, 1500, 495}},        {"Export CSV", {1860, 7920, 2100, 495}},
        {"Erase Pupil", {4080, 7920, 2160, 495}}, {"Erase Class", {6360, 7920, 2160, 495}},
        {"Exit", {10560, 7920, 1245, 495}},       {"Class List", {9720, 1020, 2040, 420}}};
    for (int i = OpenRecord; i <= ClassList; ++i) {
        const auto& [caption, rect] = buttons[i];
        const double points = i == ChangeClass || i == ClassList ? 12 : 14;
        Label3.add(i, makeLabel(this, buttonDesign("Label3", caption, rect, points).hidden()));
    }
    Label3(ChangeClass).setAccessibleName(QStringLiteral("Change Class"));
    setExitControl(&Label3(ExitButton));
    Timer1 = new Timer(this, RefreshMs);

    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
    Password->KeyPress = [this](int key) {
        if (key == 13 && Password2->isHidden()) unlock();
    };
    Password2->KeyPress = [this](int key) {
        if (key == 13) unlock();
    };
    Timer1->Tick = [this] { refresh(); };
    QObject::connect(Grid, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 0 && row < record_.pupils.size()) choosePupil(record_.pupils[row]);
    });
}

ClassRecordScreen::~ClassRecordScreen() {
    // The loader's thread writes into this screen's results; it ends before the screen does.
    if (loader_) loader_->wait();
}

void ClassRecordScreen::Form_Load() {
    SetupScreen(*this);
    const bool firstUse = storedTeacherPassword().isEmpty();
    Prompt->setCaption(
        firstUse ? QStringLiteral("Choose a teacher's password (at least %1 characters) and type it "
                                  "again below. Pupils must not know it.")
                       .arg(ShortestPassword)
                 : QStringLiteral("Type the teacher's password."));
    Password2->setVisible(firstUse);
    Label3(OpenRecord).setVisible(true);
    Label3(ExitButton).setVisible(true);
    Password->setFocus();
}

void ClassRecordScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void ClassRecordScreen::unlock() {
    const QString stored = storedTeacherPassword();
    if (stored.isEmpty()) {
        if (Password->text().size() < ShortestPassword || Password->text() != Password2->text()) {
            Status->setCaption(QStringLiteral("The two passwords must match and have at least %1 characters.")
                                   .arg(ShortestPassword));
            return;
        }
        storeTeacherPassword(Password->text());
    } else if (!checkTeacherPassword(Password->text(), stored)) {
        Status->setCaption(QStringLiteral("That is not the teacher's password."));
        Password->clear();
        return;
    }
    Password->clear();
    Password2->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{Prompt, Password, Password2, &Label3(OpenRecord)})
        w->hide();
    Status->setCaption(QStringLiteral("Reading the records..."));
    for (QWidget* w :
         std::initializer_list<QWidget*>{ClassName, Grid, Details, &Label3(Print), &Label3(ExportCsv),
                                         &Label3(ErasePupil), &Label3(EraseClass), &Label3(ClassList)})
        w->show();
    Grid->setFocus();
    refresh();
    Timer1->setEnabled(true);
}

void ClassRecordScreen::refresh(std::function<bool(QSqlDatabase&, QString*)> change) {
    if (loading_ && !change) {
        again_ = true;
        return;
    }
    if (loader_) loader_->wait();
    loading_ = true;
    auto out = std::make_shared<Loaded>();
    const RecordsConfig config = recordsConfig();
    const QString cls = class_, pupil = pupil_;
    loader_ = QThread::create([out, config, cls, pupil, change] {
        RecordsConnection c;
        if (!c.openRecord(config, false)) {
            out->error = c.error();
            return;
        }
        if (change && !change(c.db(), &out->error)) return;
        out->classes = classNames(c.db());
        out->className = out->classes.contains(cls) ? cls : out->classes.value(0);
        out->record = loadClassRecord(c.db(), out->className, &out->error);
        if (!pupil.isEmpty()) out->history = pupilHistory(c.db(), out->className, pupil, &out->error);
    });
    QThread* t = loader_;
    QObject::connect(t, &QThread::finished, this, [this, out, t] {
        t->deleteLater();
        loading_ = false;
        classes_ = out->classes;
        if (out->error.isEmpty() || !out->classes.isEmpty()) {
            if (class_ != out->className) pupil_.clear();
            class_ = out->className;
            record_ = out->record;
            history_ = out->history;
            showRecord();
        }
        const QString sending = Recorder::instance().senderStatus();
        Status->setCaption(!out->error.isEmpty() ? out->error
                           : !sending.isEmpty()
                               ? QStringLiteral("Results from this machine wait: ") + sending
                               : QStringLiteral("Up to date at %1.")
                                     .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
        if (std::exchange(again_, false)) refresh();
    });
    t->start();
}

void ClassRecordScreen::showRecord() {
    ClassName->setCaption(class_.isEmpty() ? QStringLiteral("No class yet") : class_);
    Label3(ChangeClass).setVisible(classes_.size() > 1);
    const QSignalBlocker quiet(Grid);
    Grid->clear();
    Grid->setRowCount(int(record_.pupils.size()));
    Grid->setColumnCount(int(record_.columns.size()));
    Grid->setHorizontalHeaderLabels(record_.columns);
    Grid->setVerticalHeaderLabels(record_.pupils);
    for (int r = 0; r < record_.pupils.size(); ++r) {
        for (int c = 0; c < record_.columns.size(); ++c) {
            const auto cell =
                record_.cells.constFind(ClassRecord::cellKey(record_.pupils[r], record_.columns[c]));
            auto* item = new QTableWidgetItem(cell == record_.cells.cend() ? QStringLiteral("-")
                                                                           : gridCellText(*cell));
            if (cell != record_.cells.cend()) item->setBackground(cellColour(*cell));
            item->setForeground(Qt::black);
            Grid->setItem(r, c, item);
        }
        if (record_.pupils[r] == pupil_) Grid->setCurrentCell(r, 0);
    }
    Grid->resizeColumnsToContents();
    showDetails();
}

void ClassRecordScreen::choosePupil(const QString& pupil) {
    if (pupil == pupil_) return;
    pupil_ = pupil;
    history_.clear();
    refresh();
}

void ClassRecordScreen::showDetails() {
    QStringList lines;
    if (!pupil_.isEmpty()) {
        lines << QStringLiteral("%1: %2 results").arg(pupil_).arg(history_.size());
        for (const ResultRecord& r : history_) {
            lines << QStringLiteral("%1  %2: %3  %4/%5")
                         .arg(r.ended.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), r.what,
                              r.activity)
                         .arg(r.score)
                         .arg(r.outOf);
            for (const AnswerRecord& a : r.answers)
                lines << QStringLiteral("      missed: %1 (answered \"%2\", right \"%3\")")
                             .arg(a.question, a.given.isEmpty() ? QStringLiteral("nothing") : a.given,
                                  a.correct);
        }
        lines << QString();
    }
    lines << QStringLiteral("Questions most of the class got wrong:");
    for (const HardQuestion& q : record_.mostMissed)
        lines << QStringLiteral("  %1 of %2 pupils: %3 (%4)")
                     .arg(q.pupilsWrong)
                     .arg(q.pupilsAnswered)
                     .arg(q.question, q.what);
    if (record_.mostMissed.isEmpty()) lines << QStringLiteral("  none yet");
    Details->setPlainText(lines.join(QLatin1Char('\n')));
}

void ClassRecordScreen::Label3_Click(int Index) {
    switch (Index) {
    case OpenRecord:
        unlock();
        break;
    case ChangeClass:
        class_ = classes_.value((classes_.indexOf(class_) + 1) % std::max<qsizetype>(1, classes_.size()));
        pupil_.clear();
        refresh();
        break;
    case Print:
        try {
            printRecord(SystemPrinter());
        } catch (const PrintError&) {
            MsgBox(QStringLiteral("There was a problem printing to your printer."));
        }
        break;
    case ExportCsv:
        exportCsv();
        break;
    case ErasePupil:
    case EraseClass:
        erase(Index == EraseClass);
        break;
    case ExitButton:
        Unload();
        break;
    case ClassList:
        classList->Closed = [this](const QString& cls) {
            if (cls != class_) pupil_.clear();
            class_ = cls;
            refresh();
        };
        // Shown first, so that the class's names box can take the keyboard.
        classList->Show();
        classList->showClass(class_);
        break;
    default:
        break;
    }
    PlayClick();
}

void ClassRecordScreen::erase(bool wholeClass) {
    if (class_.isEmpty() || (!wholeClass && pupil_.isEmpty())) {
        MsgBox(wholeClass ? QStringLiteral("There is no class to erase.")
                          : QStringLiteral("Choose a pupil in the grid first."));
        return;
    }
    const QString question =
        wholeClass
            ? QStringLiteral("Erase the class \"%1\": its list and every result of its pupils? This "
                             "cannot be undone.")
                  .arg(class_)
            : QStringLiteral("Erase every result of %1 and take the name off the class? This cannot be "
                             "undone.")
                  .arg(pupil_);
    if (MsgBox(question, MsgButtons::OKCancel) != MsgResult::OK) return;
    const QString cls = class_, pupil = pupil_;
    pupil_.clear();
    refresh([wholeClass, cls, pupil](QSqlDatabase& db, QString* error) {
        return wholeClass ? eraseClass(db, cls, error) : erasePupil(db, cls, pupil, error);
    });
}

void ClassRecordScreen::exportCsv() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QStringLiteral("Class Record %1 %2.csv")
                             .arg(QString(class_).replace(QLatin1Char('/'), QLatin1Char('-')),
                                  QDate::currentDate().toString(Qt::ISODate));
    const QString path = QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name);
    RecordsConnection c;
    QSaveFile out(path);
    QString error;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (c.openRecord(recordsConfig(), false) && out.open(QIODevice::WriteOnly) &&
        exportResultsCsv(c.db(), class_, out, &error) && out.commit())
        MsgBox(QStringLiteral("The class record was saved as %1").arg(path));
    else
        MsgBox(QStringLiteral("There was a problem saving the class record as %1").arg(path));
}

void ClassRecordScreen::printRecord(Printer& p) const {
    auto line = [&p](const QString& text, double points = 11) {
        p.FontSize = points;
        if (p.CurrentY + p.TextHeight() > p.ScaleHeight() - 720) {
            p.EndDoc();
            p.CurrentY = 0;
        }
        p.CurrentX = 0;
        p.Print(text);
    };
    p.DocName = QStringLiteral("Class Record");
    p.FontName = QStringLiteral("Arial");
    p.ForeColor = Colours::Black;
    p.CurrentY = 0;
    line(QStringLiteral("Class Record: %1, %2").arg(class_, QDate::currentDate().toString(Qt::ISODate)), 16);
    for (const QString& pupil : record_.pupils) {
        line(pupil, 12);
        for (const QString& column : record_.columns)
            if (auto cell = record_.cells.constFind(ClassRecord::cellKey(pupil, column));
                cell != record_.cells.cend())
                line(QStringLiteral("    %1: %2").arg(column, gridCellText(*cell)));
    }
    line(QString());
    line(QStringLiteral("Questions most of the class got wrong"), 12);
    for (const HardQuestion& q : record_.mostMissed)
        line(QStringLiteral("    %1 of %2 pupils: %3 (%4)")
                 .arg(q.pupilsWrong)
                 .arg(q.pupilsAnswered)
                 .arg(q.question, q.what));
    p.EndDoc();
}

Label* addClassRecordEntry(Form* menu) {
    Label* entry = makeLabel(menu, buttonDesign(QStringLiteral("ClassRecord"), QStringLiteral("Class Record"),
                                                {7080, 7760, 3300, 360}, 9.75, Colours::Navy));
    entry->Click = [] {
        Module1.classrecord->Show();
        PlayClick();
    };
    entry->MouseMove = [entry](int, int, Twips, Twips) { entry->setOpaque(true); };
    return entry;
}
