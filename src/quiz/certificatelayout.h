#pragma once

#include "platform/units.h"

#include <QString>

class Printer;

// The certificate printed for full marks, as a plain layout on the printer: banners, the product
// name, the quiz heading, the pupil's name and score, and a frame of nested rectangles.
struct CertificateInput {
    QString productName = QStringLiteral("Tellwyn");
    QString heading;
    // The heading's width measured on the results screen in that screen's own font: a heading
    // wider than a quarter of the page prints smaller.
    Twips headingWidthOnScreen = 0;
    QString name;
    int score = 0;
    int outOf = 0;
};

// "   Well Done      Well Done     Well Done     Well Done    ", printed twice in one string.
extern const QString CertificateBanner;

// Prints the whole page and ends the job. Throws PrintError when any step fails; the printer then
// holds no half-made page.
void printCertificate(Printer& printer, const CertificateInput& input);
