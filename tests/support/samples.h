#pragma once

#include "quiz/questionset.h"
#include "records/records.h"

#include <QByteArray>
#include <QStringList>

class QuizScreen;
class TestEnv;

// Test material shared by the suites that need question sets, worksheets or class records on disk.

// Ten questions "Question text N?" with answers "Answer NA" to "Answer ND". The right answers run
// A, B, C, D, A, ... (question q's is (q - 1) % 4 + 1), or are all `allRight` when it is 1 to 4.
QuestionSet sampleQuestionSet(const QString& title, int allRight = 0);

// Lines as the program writes text files: Windows-1252, each ended by CR LF.
QByteArray textFileBytes(const QStringList& lines);

// "Sheet 1" to "Sheet n", and a worksheet index listing titles as the store writes it.
QStringList sheets(int n);
QByteArray indexBytes(const QStringList& titles);

// A result of the Moon quiz in class Oak on pc1, begun at 9:00 on 7 December 2026 and ended five
// minutes and `score` seconds later.
ResultRecord quizResult(const QString& id, const QString& pupil, int score,
                        const QList<AnswerRecord>& answers = {});
// Adds a class of new pupils, and results, to a records file (made if need be); false on any failure.
bool addClassRecord(const QString& file, const QString& className, const QStringList& pupils,
                    const QList<ResultRecord>& results = {});

// The Moon topic's quiz over the sample set, opened from its hub as a pupil opens it.
QuizScreen& openMoonQuiz(TestEnv& env, const QString& title = "Moon quiz", int allRight = 0);
