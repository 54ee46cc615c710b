#pragma once

#include "worksheets/worksheetimport.h"

// The plain layout that teachers type by hand, one question after another:
//
//   TITLE: Rivers and Seas        (optional, first line; otherwise the file's name)
//   Which is the longest river in Britain?
//   A. The Thames
//   B. The Severn
//   C. The Trent
//   D. The Tay
//   ANSWER: B
//
// Blank lines between questions are allowed; "A)" may stand for "A.".

// Whether the lines look like this layout (some line starts with "ANSWER:").
bool looksLikeAiken(const QStringList& lines);

// Reads the ten questions, adding a line-numbered message for each line that does not fit.
SourcedSet readAiken(const QStringList& lines, const QString& fileBaseName, QList<ImportProblem>& problems);
