#pragma once

#include <QString>

// Every sound goes through here: it plays only while the sound switch is on, and then loads the
// backdrop that carries the player if it is not loaded yet.
void PlaySound(const QString& relativePath);

// The click that ends most button handlers.
inline void PlayClick() {
    PlaySound(QStringLiteral("wav\\click.wav"));
}
