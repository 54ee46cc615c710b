#include "records/records.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <algorithm>

namespace {

// A class list file from an office system is small; anything larger is not one.
constexpr qint64 MaxNamesFile = 1 << 20;

QString timeText(const QDateTime& t) {
    return t.toUTC().toString(Qt::ISODateWithMs);
}
QDateTime timeFrom(const QVariant& v) {
    return QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
}

bool run(QSqlQuery& q, QString* error) {
    if (q.exec()) return true;
    if (error) *error = q.lastError().text();
    return false;
}

QSqlQuery prepared(QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q(db);
    q.prepare(sql);
    // A null text would be bound as NULL, which the tables refuse: an answer left blank is "".
    for (const QVariant& v : values)
        q.addBindValue(
            v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant(QStringLiteral("")) : v);
    return q;
}

// Runs the statements in one transaction, all or none.
bool inTransaction(QSqlDatabase& db, QString* error, const std::function<bool()>& work) {
    if (!db.transaction()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    if (work() && db.commit()) return true;
    if (error && error->isEmpty()) *error = db.lastError().text();
    db.rollback();
    return false;
}

QString cleanName(QString name) {
    return name.simplified();
}

QStringList splitCsvLine(const QString& line, QChar separator) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

} // namespace

QStringList classNames(QSqlDatabase& db) {
    QSqlQuery q(QStringLiteral("SELECT name FROM classes ORDER BY name"), db);
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QStringList pupilNames(QSqlDatabase& db, const QString& className) {
    QSqlQuery q = prepared(db, QStringLiteral("SELECT name FROM pupils WHERE class_name = ?"), {className});
    QStringList names;
    if (q.exec())
        while (q.next())
            names << q.value(0).toString();
    // Alphabetical as a person reads it, whatever the database's collation.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    return names;
}

int addPupils(QSqlDatabase& db, const QString& className, const QStringList& names, QString* error,
              bool own) {
    const QString cls = cleanName(className);
    if (cls.isEmpty()) {
        if (error) *error = QStringLiteral("A class needs a name.");
        return -1;
    }
    int added = 0;
    const auto work = [&] {
        QSqlQuery c = prepared(
            db, QStringLiteral("INSERT INTO classes (name) VALUES (?) ON CONFLICT DO NOTHING"), {cls});
        if (!run(c, error)) return false;
        for (const QString& raw : names) {
            const QString name = cleanName(raw);
            if (name.isEmpty()) continue;
            QSqlQuery p = prepared(
                db,
                QStringLiteral("INSERT INTO pupils (class_name, name) VALUES (?, ?) ON CONFLICT DO NOTHING"),
                {cls, name});
            if (!run(p, error)) return false;
            added += p.numRowsAffected() > 0 ? 1 : 0;
        }
        return true;
    };
    return (own ? inTransaction(db, error, work) : work()) ? added : -1;
}

bool renamePupil(QSqlDatabase& db, const QString& className, const QString& from, const QString& to,
                 QString* error) {
    const QString name = cleanName(to);
    if (name.isEmpty() || pupilNames(db, className).contains(name)) {
        if (error)
            *error = name.isEmpty()
                         ? QStringLiteral("A pupil needs a name.")
                         : QStringLiteral("The class already has a pupil called \"%1\".").arg(name);
        return false;
    }
    return inTransaction(db, error, [&] {
        QSqlQuery p =
            prepared(db, QStringLiteral("UPDATE pupils SET name = ? WHERE class_name = ? AND name = ?"),
                     {name, className, from});
        QSqlQuery r =
            prepared(db, QStringLiteral("UPDATE results SET pupil = ? WHERE class_name = ? AND pupil = ?"),
                     {name, className, from});
        QSqlQuery a =
            prepared(db, QStringLiteral("UPDATE answers SET pupil = ? WHERE class_name = ? AND pupil = ?"),
                     {name, className, from});
        return run(p, error) && run(r, error) && run(a, error);
    });
}

bool removePupil(QSqlDatabase& db, const QString& className, const QString& name, QString* error) {
    QSqlQuery q = prepared(db, QStringLiteral("DELETE FROM pupils WHERE class_name = ? AND name = ?"),
                           {className, name});
    return run(q, error);
}

QStringList namesFromText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines)
        l.remove(QLatin1Char('\r'));
    lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    if (lines.isEmpty()) return {};

    // An office export: a header line with a name column, fields apart by commas or semicolons.
    const QString header = lines.first();
    const QChar separator =
        header.count(QLatin1Char(';')) > header.count(QLatin1Char(',')) ? QLatin1Char(';') : QLatin1Char(',');
    const QStringList heads = splitCsvLine(header, separator);
    auto column = [&](std::initializer_list<const char*> words) -> qsizetype {
        for (const char* w : words)
            for (qsizetype i = 0; i < heads.size(); ++i)
                if (heads[i].trimmed().compare(QLatin1String(w), Qt::CaseInsensitive) == 0) return i;
        return -1;
    };
    const qsizetype full = column({"name", "full name", "pupil name", "pupil", "legal name"});
    const qsizetype fore = column({"forename", "first name", "preferred forename", "given name"});
    const qsizetype sur = column({"surname", "last name", "legal surname", "family name"});
    const bool csv = heads.size() > 1 && (full >= 0 || fore >= 0);

    QStringList names;
    QSet<QString> seen;
    for (qsizetype n = csv ? 1 : 0; n < lines.size(); ++n) {
        QString name;
        if (csv) {
            const QStringList f = splitCsvLine(lines[n], separator);
            if (full >= 0)
                name = f.value(full);
            else
                name = f.value(fore) + QLatin1Char(' ') + (sur >= 0 ? f.value(sur) : QString());
        } else {
            name = lines[n];
        }
        name = cleanName(name);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
    return names;
}

QStringList namesFromFile(const QString& path, QString* error) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read %1").arg(path);
        return {};
    }
    if (f.size() > MaxNamesFile) {
        *error = QStringLiteral("%1 is too large to be a list of names").arg(path);
        return {};
    }
    QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    // Office systems write UTF-8 or, older ones, Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QStringDecoder("windows-1252").decode(bytes);
    const QStringList names = namesFromText(text);
    if (names.isEmpty()) *error = QStringLiteral("%1 holds no names").arg(path);
    return names;
}

bool insertResult(QSqlDatabase& db, const ResultRecord& r, QString* error) {
    return inTransaction(db, error, [&] {
        QSqlQuery q =
            prepared(db,
                     QStringLiteral("INSERT INTO results (id, pupil, class_name, machine, what, activity, "
                                    "score, out_of, started, ended) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                    "ON CONFLICT (id) DO NOTHING"),
                     {r.id, r.pupil, r.className, r.machine, r.what, r.activity, r.score, r.outOf,
                      timeText(r.started), timeText(r.ended)});
        if (!run(q, error)) return false;
        for (qsizetype i = 0; i < r.answers.size(); ++i) {
            const AnswerRecord& a = r.answers[i];
            QSqlQuery aq = prepared(
                db,
                QStringLiteral(
                    "INSERT INTO answers (result_id, number, class_name, pupil, what, question, given, "
                    "correct) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                {r.id, int(i + 1), r.className, r.pupil, r.what, a.question, a.given, a.correct});
            if (!run(aq, error)) return false;
        }
        return true;
    });
}

namespace {
ResultRecord resultFrom(const QSqlQuery& q) {
    ResultRecord r;
    r.id = q.value(0).toString();
    r.pupil = q.value(1).toString();
    r.className = q.value(2).toString();
    r.machine = q.value(3).toString();
    r.what = q.value(4).toString();
    r.activity = q.value(5).toString();
    r.score = q.value(6).toInt();
    r.outOf = q.value(7).toInt();
    r.started = timeFrom(q.value(8));
    r.ended = timeFrom(q.value(9));
    return r;
}
const QString ResultColumns =
    QStringLiteral("id, pupil, class_name, machine, what, activity, score, out_of, started, ended");

void readAnswers(QSqlDatabase& db, ResultRecord& r) {
    QSqlQuery a = prepared(
        db,
        QStringLiteral("SELECT question, given, correct FROM answers WHERE result_id = ? ORDER BY number"),
        {r.id});
    if (a.exec())
        while (a.next())
            r.answers.append({a.value(0).toString(), a.value(1).toString(), a.value(2).toString()});
}
} // namespace

QList<ResultRecord> oldestResults(QSqlDatabase& db, int limit) {
    QSqlQuery q(db);
    QList<ResultRecord> list;
    if (!q.exec(
            QStringLiteral("SELECT %1 FROM results ORDER BY ended LIMIT %2").arg(ResultColumns).arg(limit)))
        return list;
    while (q.next())
        list << resultFrom(q);
    for (ResultRecord& r : list)
        readAnswers(db, r);
    return list;
}

bool deleteResult(QSqlDatabase& db, const QString& id, QString* error) {
    return inTransaction(db, error, [&] {
        QSqlQuery a = prepared(db, QStringLiteral("DELETE FROM answers WHERE result_id = ?"), {id});
        QSqlQuery r = prepared(db, QStringLiteral("DELETE FROM results WHERE id = ?"), {id});
        return run(a, error) && run(r, error);
    });
}

ClassRecord loadClassRecord(QSqlDatabase& db, const QString& className, QString* error) {
    ClassRecord rec;
    rec.className = className;
    rec.pupils = pupilNames(db, className);
    // Few rows come back: one per pupil, activity and distinct score.
    QSqlQuery q =
        prepared(db,
                 QStringLiteral("SELECT pupil, what, activity, score, out_of, COUNT(*), MAX(ended) FROM "
                                "results WHERE class_name = ? GROUP BY pupil, what, activity, score, out_of"),
                 {className});
    if (!run(q, error)) return rec;
    QSet<QString> columns;
    while (q.next()) {
        const QString pupil = q.value(0).toString();
        const QString column = q.value(1).toString() + QStringLiteral(": ") + q.value(2).toString();
        const int score = q.value(3).toInt(), outOf = q.value(4).toInt();
        GridCell& c = rec.cells[ClassRecord::cellKey(pupil, column)];
        // The best is the highest share of marks; a practice round's size varies.
        if (c.attempts == 0 || qint64(score) * std::max(c.outOf, 1) > qint64(c.best) * std::max(outOf, 1)) {
            c.best = score;
            c.outOf = outOf;
        }
        c.attempts += q.value(5).toInt();
        c.last = std::max(c.last, timeFrom(q.value(6)));
        columns.insert(column);
        if (!rec.pupils.contains(pupil)) rec.pupils << pupil;
    }
    rec.columns = QStringList(columns.begin(), columns.end());
    rec.columns.sort();

    QSqlQuery m = prepared(db,
                           QStringLiteral("SELECT what, question, COUNT(DISTINCT CASE WHEN given <> correct "
                                          "THEN pupil END), COUNT(DISTINCT pupil) "
                                          "FROM answers WHERE class_name = ? GROUP BY what, question"),
                           {className});
    if (!run(m, error)) return rec;
    while (m.next())
        if (const int wrong = m.value(2).toInt(); wrong > 0)
            rec.mostMissed.append({m.value(0).toString(), m.value(1).toString(), wrong, m.value(3).toInt()});
    std::stable_sort(
        rec.mostMissed.begin(), rec.mostMissed.end(), [](const HardQuestion& a, const HardQuestion& b) {
            return qint64(a.pupilsWrong) * b.pupilsAnswered > qint64(b.pupilsWrong) * a.pupilsAnswered ||
                   (qint64(a.pupilsWrong) * b.pupilsAnswered == qint64(b.pupilsWrong) * a.pupilsAnswered &&
                    a.pupilsWrong > b.pupilsWrong);
        });
    if (rec.mostMissed.size() > 10) rec.mostMissed.resize(10);
    return rec;
}

QList<ResultRecord> pupilHistory(QSqlDatabase& db, const QString& className, const QString& pupil,
                                 QString* error) {
    QSqlQuery q = prepared(db,
                           QStringLiteral("SELECT %1 FROM results WHERE class_name = ? AND pupil = ? "
                                          "ORDER BY ended DESC")
                               .arg(ResultColumns),
                           {className, pupil});
    QList<ResultRecord> list;
    if (!run(q, error)) return list;
    QHash<QString, qsizetype> index;
    while (q.next()) {
        list << resultFrom(q);
        index.insert(list.last().id, list.size() - 1);
    }
    QSqlQuery a = prepared(
        db,
        QStringLiteral("SELECT result_id, question, given, correct FROM answers WHERE class_name = ? "
                       "AND pupil = ? AND given <> correct ORDER BY result_id, number"),
        {className, pupil});
    if (!run(a, error)) return list;
    while (a.next())
        if (const auto at = index.constFind(a.value(0).toString()); at != index.cend())
            list[*at].answers.append({a.value(1).toString(), a.value(2).toString(), a.value(3).toString()});
    return list;
}

bool erasePupil(QSqlDatabase& db, const QString& className, const QString& pupil, QString* error) {
    return inTransaction(db, error, [&] {
        QSqlQuery a = prepared(db, QStringLiteral("DELETE FROM answers WHERE class_name = ? AND pupil = ?"),
                               {className, pupil});
        QSqlQuery r = prepared(db, QStringLiteral("DELETE FROM results WHERE class_name = ? AND pupil = ?"),
                               {className, pupil});
        QSqlQuery p = prepared(db, QStringLiteral("DELETE FROM pupils WHERE class_name = ? AND name = ?"),
                               {className, pupil});
        return run(a, error) && run(r, error) && run(p, error);
    });
}

bool eraseClass(QSqlDatabase& db, const QString& className, QString* error) {
    return inTransaction(db, error, [&] {
        QSqlQuery a = prepared(db, QStringLiteral("DELETE FROM answers WHERE class_name = ?"), {className});
        QSqlQuery r = prepared(db, QStringLiteral("DELETE FROM results WHERE class_name = ?"), {className});
        QSqlQuery p = prepared(db, QStringLiteral("DELETE FROM pupils WHERE class_name = ?"), {className});
        QSqlQuery c = prepared(db, QStringLiteral("DELETE FROM classes WHERE name = ?"), {className});
        return run(a, error) && run(r, error) && run(p, error) && run(c, error);
    });
}

QString csvField(const QString& text) {
    QString t = text;
    // A spreadsheet would run these as a formula.
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front())) t.prepend(QLatin1Char('\''));
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

bool exportResultsCsv(QSqlDatabase& db, const QString& className, QIODevice& out, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT pupil, class_name, what, activity, score, out_of, started, ended FROM results "
                       "%1 ORDER BY class_name, pupil, ended")
            .arg(className.isEmpty() ? QString() : QStringLiteral("WHERE class_name = ?")));
    if (!className.isEmpty()) q.addBindValue(className);
    if (!run(q, error)) return false;
    QByteArray text = "pupil,class,what,activity,score,out of,start,end\r\n";
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < 4; ++i)
            fields << csvField(q.value(i).toString());
        fields << QString::number(q.value(4).toInt()) << QString::number(q.value(5).toInt());
        fields << csvField(timeText(timeFrom(q.value(6)))) << csvField(timeText(timeFrom(q.value(7))));
        text += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    if (out.write(text) != text.size()) {
        if (error) *error = out.errorString();
        return false;
    }
    return true;
}
