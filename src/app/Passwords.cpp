#include "Passwords.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace {
constexpr QLatin1String Prefix("p1:");
constexpr qsizetype SaltSize = 8;
constexpr qsizetype CheckSize = 4;
constexpr char ProgramKey[] = "OrvCARs/operator-password/1";

QByteArray digest(const QByteArray &salt, const QByteArray &tag, int counter,
                  const QByteArray &data = {})
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(ProgramKey));
    hash.addData(tag);
    hash.addData(salt);
    const char block[4] = {char(counter >> 24), char(counter >> 16), char(counter >> 8),
                           char(counter)};
    hash.addData(QByteArrayView(block, 4));
    hash.addData(data);
    return hash.result();
}

// XOR with the salt's key stream; applying it twice gives the input back.
QByteArray applyStream(const QByteArray &salt, QByteArray data)
{
    QByteArray block;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const qsizetype offset = i % 32;
        if (offset == 0)
            block = digest(salt, "stream", int(i / 32));
        data[i] = char(data[i] ^ block[offset]);
    }
    return data;
}

QByteArray check(const QByteArray &salt, const QByteArray &plain)
{
    return digest(salt, "check", 0, plain).left(CheckSize);
}
} // namespace

QString SavePass(const QString &password)
{
    quint32 words[SaltSize / 4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray salt(reinterpret_cast<const char *>(words), SaltSize);
    const QByteArray plain = password.toUtf8();
    const QByteArray payload = salt + check(salt, plain) + applyStream(salt, plain);
    return Prefix + QString::fromLatin1(payload.toBase64());
}

std::optional<QString> tryGetPass(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    if (!stored.startsWith(Prefix))
        return std::nullopt;
    const QStringView body = QStringView(stored).mid(Prefix.size());
    for (const QChar c : body) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(body.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < SaltSize + CheckSize)
        return std::nullopt;
    const QByteArray salt = decoded.decoded.left(SaltSize);
    const QByteArray plain = applyStream(salt, decoded.decoded.mid(SaltSize + CheckSize));
    if (check(salt, plain) != decoded.decoded.mid(SaltSize, CheckSize))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString password = utf8.decode(plain);
    if (utf8.hasError())
        return std::nullopt;
    return password;
}

QString GetPass(const QString &stored)
{
    return tryGetPass(stored).value_or(QString());
}
