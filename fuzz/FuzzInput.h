#pragma once
// Splitting a fuzzer's input into the pieces a target needs: texts separated by NUL bytes, and
// leading bytes taken as numbers.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input's NUL-separated parts as texts (invalid UTF-8 as the replacement character); at
// least `count` of them, the missing ones empty.
inline QList<QString> texts(const uint8_t *data, size_t size, int count)
{
    QList<QString> parts;
    for (const QByteArray &part : bytes(data, size).split('\0'))
        parts << QString::fromUtf8(part);
    while (parts.size() < count)
        parts << QString();
    return parts;
}

// A number of type T from the front of the input, which then moves past it (zero when the input
// is too short).
template <typename T> T take(const uint8_t *&data, size_t &size)
{
    T value{};
    if (size >= sizeof(T)) {
        std::memcpy(&value, data, sizeof(T));
        data += sizeof(T);
        size -= sizeof(T);
    }
    return value;
}

} // namespace fuzz
