#pragma once

#include <QString>

class RecordingPrinter;

// A recorded printout as text, one operation a line, positions in twips, so that a change to a
// printed page shows as a readable diff of its golden file:
//   page 1 "Tellwyn certificate"
//   text 4500,2300 Times New Roman 36pt #ff0000 "Tellwyn"
//   line 45,270 11475,270 width 2 #000000
//   picture 1000,1000 11485,12955
//   end
QString printoutText(const RecordingPrinter& printer);

// Compares a text with the golden file tests/<relativePath>; empty when they agree, else where they
// first differ. With TELLWYN_UPDATE_GOLDEN=1 it writes the file instead, and says so.
QString goldenDifference(const QString& relativePath, const QString& text);
