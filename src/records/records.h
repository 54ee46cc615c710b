#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QIODevice;

// One question of a quiz as the pupil answered it.
struct AnswerRecord {
    QString question;
    QString given; // empty when nothing was ticked
    QString correct;
};

// One finished quiz, activity or practice round.
struct ResultRecord {
    QString id; // unique: the same result sent twice is kept once
    QString pupil;
    QString className;
    QString machine;
    QString what;     // the topic or worksheet title
    QString activity; // "Quiz", "Ordering", "Labelling", "Practice"
    int score = 0;
    int outOf = 0;
    QDateTime started;
    QDateTime ended;
    QList<AnswerRecord> answers; // a quiz's questions in order; a history keeps only the missed ones
};

// Classes and their pupils. Every function reports a failure through its error text.
QStringList classNames(QSqlDatabase& db);
QStringList pupilNames(QSqlDatabase& db, const QString& className);
// Makes the class where it is not there yet and adds the names it does not have; returns how many
// names were new, or -1. Inside a caller's transaction, say so (own = false).
int addPupils(QSqlDatabase& db, const QString& className, const QStringList& names, QString* error,
              bool own = true);
bool renamePupil(QSqlDatabase& db, const QString& className, const QString& from, const QString& to,
                 QString* error);
// Takes the name off the class list; the pupil's results stay until they are erased.
bool removePupil(QSqlDatabase& db, const QString& className, const QString& name, QString* error);

// The names in a file from the teacher or the school office: one a line, or the name column of a
// CSV export (a "Name" column, or forename and surname columns). Blank lines and repeats go.
QStringList namesFromFile(const QString& path, QString* error);
QStringList namesFromText(const QString& text);

// Adds a result with its answers unless one with its id is already kept, in one transaction.
bool insertResult(QSqlDatabase& db, const ResultRecord& r, QString* error);
// The oldest kept results, with all their answers (the sender's queue).
QList<ResultRecord> oldestResults(QSqlDatabase& db, int limit);
bool deleteResult(QSqlDatabase& db, const QString& id, QString* error);

// What the teacher sees for one class.
struct GridCell {
    int best = 0;
    int outOf = 0;
    int attempts = 0;
    QDateTime last;
};
struct HardQuestion {
    QString what;
    QString question;
    int pupilsWrong = 0;    // pupils who answered it wrongly at least once
    int pupilsAnswered = 0; // pupils who answered it at all
};
struct ClassRecord {
    QString className;
    QStringList pupils;             // the class list, then anyone with results who has left it
    QStringList columns;            // "what: activity"
    QHash<QString, GridCell> cells; // key: cellKey(pupil, column)
    QList<HardQuestion> mostMissed;
    static QString cellKey(const QString& pupil, const QString& column) { return pupil + QChar(0) + column; }
};
ClassRecord loadClassRecord(QSqlDatabase& db, const QString& className, QString* error);
// One pupil's results, newest first, each with the questions missed.
QList<ResultRecord> pupilHistory(QSqlDatabase& db, const QString& className, const QString& pupil,
                                 QString* error);

// Erasing takes every row of the pupil (or class): results, answers and the list entry.
bool erasePupil(QSqlDatabase& db, const QString& className, const QString& pupil, QString* error);
bool eraseClass(QSqlDatabase& db, const QString& className, QString* error);

// One line per result: pupil, class, what, activity, score, out of, start, end (ISO 8601).
// An empty class name exports every class.
bool exportResultsCsv(QSqlDatabase& db, const QString& className, QIODevice& out, QString* error);
// A field that a spreadsheet shows as text, never runs as a formula.
QString csvField(const QString& text);
