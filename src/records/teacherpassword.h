#pragma once

#include <QByteArray>
#include <QString>

// The teacher's password is kept only as "pbkdf2-sha256$iterations$salt$hash" (salt and hash in
// base64), so that reading the settings file does not give it away.
QString hashTeacherPassword(const QString& password, int iterations = 120000);
bool checkTeacherPassword(const QString& password, const QString& stored);
QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length);

// The stored hash: the machine's settings first (a technician's choice for every account), then
// the user's. Empty when no password was set yet.
QString storedTeacherPassword();
// Keeps a new password's hash in the user's settings.
void storeTeacherPassword(const QString& password);
