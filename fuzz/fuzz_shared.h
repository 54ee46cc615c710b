#pragma once

// What every fuzz target shares: a data folder of its own, the shared variables without any
// screen, and the one abort, which names the invariant that broke.
#include "state/sharedstate.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct QuestionSet;

// Creates the data folder once (in /dev/shm where there is one) and makes it the program's.
QString fuzzDataFolder();
// Replaces a file of the data folder with these bytes.
void writeDataFile(const QString& relative, const QByteArray& bytes);
QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size);
// The same title, and for each question the same text, answers and right answer.
bool sameSet(const QuestionSet& a, const QuestionSet& b);
[[noreturn]] void broken(const char* invariant);
#define FUZZ_CHECK(condition) ((condition) ? void() : broken(#condition))
