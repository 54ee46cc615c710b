#include "records/teacherpassword.h"

#include "records/recordsconfig.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringList>

namespace {
const QString Scheme = QStringLiteral("pbkdf2-sha256");
const QString UserKey = QStringLiteral("records/teacherpassword");
} // namespace

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length) {
    QByteArray out;
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    for (quint32 block = 1; out.size() < length; ++block) {
        QByteArray counter(4, 0);
        for (int i = 0; i < 4; ++i)
            counter[i] = char((block >> (24 - 8 * i)) & 0xff);
        mac.reset();
        mac.addData(salt + counter);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int n = 1; n < iterations; ++n) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype i = 0; i < t.size(); ++i)
                t[i] = char(t[i] ^ u[i]);
        }
        out += t;
    }
    return out.left(length);
}

QString hashTeacherPassword(const QString& password, int iterations) {
    QByteArray salt(16, 0);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray hash = pbkdf2Sha256(password.toUtf8(), salt, iterations, 32);
    return QStringList{Scheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(hash.toBase64())}
        .join(QLatin1Char('$'));
}

bool checkTeacherPassword(const QString& password, const QString& stored) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != Scheme) return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    // Bounded, so that a damaged settings file cannot hang the screen.
    if (!ok || iterations < 1 || iterations > 10000000) return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    if (expected.isEmpty()) return false;
    const QByteArray got = pbkdf2Sha256(password.toUtf8(), salt, iterations, int(expected.size()));
    // Compared in full whatever differs first.
    char diff = 0;
    for (qsizetype i = 0; i < got.size(); ++i)
        diff |= char(got[i] ^ expected[i]);
    return diff == 0;
}

QString storedTeacherPassword() {
    if (!recordsConfig().machinePasswordHash.isEmpty()) return recordsConfig().machinePasswordHash;
    return QSettings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn")).value(UserKey).toString();
}

void storeTeacherPassword(const QString& password) {
    QSettings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"))
        .setValue(UserKey, hashTeacherPassword(password));
}
