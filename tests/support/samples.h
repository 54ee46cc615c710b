#pragma once

#include "quiz/questionset.h"

#include <QByteArray>
#include <QStringList>

// Test material shared by the suites that need question sets on disk.

// Ten questions "Question text N?" with answers "Answer NA" to "Answer ND". The right answers run
// A, B, C, D, A, ... (question q's is (q - 1) % 4 + 1), or are all `allRight` when it is 1 to 4.
QuestionSet sampleQuestionSet(const QString& title, int allRight = 0);

// Lines as the program writes text files: Windows-1252, each ended by CR LF.
QByteArray textFileBytes(const QStringList& lines);
