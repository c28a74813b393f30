#include "ResultSet.h"

#include <cstring>
#include <limits>

namespace {
double bitsToDouble(std::uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
std::uint64_t doubleToBits(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof d);
    return bits;
}
} // namespace

ResultSet::ResultSet(const QStringList &names, const QStringList &declaredTypes)
{
    for (int i = 0; i < names.size(); ++i)
        addColumn(names[i], declaredTypes.value(i));
}

int ResultSet::columnIndex(QStringView name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (QStringView(m_names[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant ResultSet::value(int row, int column) const
{
    const Column &c = m_columns[column];
    switch (Kind(c.kinds[row])) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QVariant(qint64(c.payload[row]));
    case Kind::Real:
        return QVariant(bitsToDouble(c.payload[row]));
    case Kind::Text:
        return QVariant(textView(row, column).toString());
    case Kind::Blob:
        return QVariant(m_blobs[c.payload[row]]);
    }
    return {};
}

QVariant ResultSet::value(int row, QStringView name) const
{
    const int column = columnIndex(name);
    return column < 0 ? QVariant() : value(row, column);
}

QString ResultSet::text(int row, int column) const
{
    const Column &c = m_columns[column];
    switch (Kind(c.kinds[row])) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QString::number(qint64(c.payload[row]));
    case Kind::Real:
        return QString::number(bitsToDouble(c.payload[row]), 'g', 15);
    case Kind::Text:
        return textView(row, column).toString();
    case Kind::Blob:
        return QString::fromUtf8(m_blobs[c.payload[row]]);
    }
    return {};
}

QString ResultSet::text(int row, QStringView name) const
{
    const int column = columnIndex(name);
    return column < 0 ? QString() : text(row, column);
}

QStringView ResultSet::textView(int row, int column) const
{
    const Column &c = m_columns[column];
    if (Kind(c.kinds[row]) != Kind::Text)
        return {};
    const std::uint64_t p = c.payload[row];
    const std::uint32_t offset = std::uint32_t(p >> 32);
    const std::uint32_t length = std::uint32_t(p & 0xffffffffu);
    return QStringView(m_textPool.data() + offset, qsizetype(length));
}

double ResultSet::number(int row, int column) const
{
    const Column &c = m_columns[column];
    switch (Kind(c.kinds[row])) {
    case Kind::Integer:
        return double(qint64(c.payload[row]));
    case Kind::Real:
        return bitsToDouble(c.payload[row]);
    case Kind::Text:
        return textView(row, column).trimmed().toDouble();
    default:
        return 0.0;
    }
}

qint64 ResultSet::integer(int row, int column) const
{
    const Column &c = m_columns[column];
    switch (Kind(c.kinds[row])) {
    case Kind::Integer:
        return qint64(c.payload[row]);
    case Kind::Real:
        return qint64(bitsToDouble(c.payload[row]));
    case Kind::Text: {
        const QStringView t = textView(row, column).trimmed();
        bool ok = false;
        const qint64 v = t.toLongLong(&ok);
        return ok ? v : qint64(t.toDouble());
    }
    default:
        return 0;
    }
}

QByteArray ResultSet::blob(int row, int column) const
{
    const Column &c = m_columns[column];
    switch (Kind(c.kinds[row])) {
    case Kind::Blob:
        return m_blobs[c.payload[row]];
    case Kind::Text:
        return textView(row, column).toUtf8();
    default:
        return {};
    }
}

void ResultSet::addColumn(const QString &name, const QString &declaredType)
{
    m_names << name;
    m_types << declaredType;
    Column c;
    c.kinds.assign(std::size_t(m_rows), std::uint8_t(Kind::Null));
    c.payload.assign(std::size_t(m_rows), 0);
    m_columns.push_back(std::move(c));
}

int ResultSet::appendRow()
{
    for (Column &c : m_columns) {
        c.kinds.push_back(std::uint8_t(Kind::Null));
        c.payload.push_back(0);
    }
    return m_rows++;
}

void ResultSet::reserveRows(int rows)
{
    for (Column &c : m_columns) {
        c.kinds.reserve(std::size_t(rows));
        c.payload.reserve(std::size_t(rows));
    }
}

void ResultSet::removeRow(int row)
{
    for (Column &c : m_columns) {
        c.kinds.erase(c.kinds.begin() + row);
        c.payload.erase(c.payload.begin() + row);
    }
    --m_rows;
}

void ResultSet::setNull(int row, int column)
{
    m_columns[column].kinds[row] = std::uint8_t(Kind::Null);
    m_columns[column].payload[row] = 0;
}

void ResultSet::setInteger(int row, int column, qint64 value)
{
    m_columns[column].kinds[row] = std::uint8_t(Kind::Integer);
    m_columns[column].payload[row] = std::uint64_t(value);
}

void ResultSet::setReal(int row, int column, double value)
{
    m_columns[column].kinds[row] = std::uint8_t(Kind::Real);
    m_columns[column].payload[row] = doubleToBits(value);
}

void ResultSet::setText(int row, int column, QStringView value)
{
    const std::size_t offset = m_textPool.size();
    Q_ASSERT(offset + std::size_t(value.size()) < std::numeric_limits<std::uint32_t>::max());
    m_textPool.insert(m_textPool.end(), value.utf16(), value.utf16() + value.size());
    m_columns[column].kinds[row] = std::uint8_t(Kind::Text);
    m_columns[column].payload[row] = packText(std::uint32_t(offset), std::uint32_t(value.size()));
}

void ResultSet::setTextUtf8(int row, int column, const char *utf8, int bytes)
{
    const std::size_t offset = m_textPool.size();
    Q_ASSERT(offset + std::size_t(bytes) < std::numeric_limits<std::uint32_t>::max());
    // UTF-16 never needs more units than UTF-8 has bytes.
    m_textPool.resize(offset + std::size_t(bytes));
    char16_t *out = m_textPool.data() + offset;
    const auto *in = reinterpret_cast<const unsigned char *>(utf8);
    const unsigned char *end = in + bytes;
    const auto continuation = [&](int n) {
        if (end - in <= n)
            return false;
        for (int k = 1; k <= n; ++k)
            if ((in[k] & 0xC0) != 0x80)
                return false;
        return true;
    };
    while (in < end) {
        const unsigned char c = *in;
        if (c < 0x80) {
            *out++ = c;
            ++in;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2 && continuation(1)) {
            *out++ = char16_t(((c & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if ((c & 0xF0) == 0xE0 && continuation(2)) {
            const char32_t u = ((c & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F);
            const bool valid = u >= 0x800 && (u < 0xD800 || u > 0xDFFF);
            *out++ = valid ? char16_t(u) : char16_t(0xFFFD);
            in += 3;
        } else if ((c & 0xF8) == 0xF0 && continuation(3)) {
            const char32_t u = ((c & 0x07) << 18) | ((in[1] & 0x3F) << 12) | ((in[2] & 0x3F) << 6) |
                               (in[3] & 0x3F);
            if (u >= 0x10000 && u <= 0x10FFFF) {
                *out++ = char16_t(0xD800 + ((u - 0x10000) >> 10));
                *out++ = char16_t(0xDC00 + ((u - 0x10000) & 0x3FF));
            } else {
                *out++ = 0xFFFD;
            }
            in += 4;
        } else {
            *out++ = 0xFFFD;
            ++in;
        }
    }
    const std::size_t length = std::size_t(out - (m_textPool.data() + offset));
    m_textPool.resize(offset + length);
    m_columns[column].kinds[row] = std::uint8_t(Kind::Text);
    m_columns[column].payload[row] = packText(std::uint32_t(offset), std::uint32_t(length));
}

void ResultSet::setBlob(int row, int column, const QByteArray &value)
{
    m_blobs.push_back(value);
    m_columns[column].kinds[row] = std::uint8_t(Kind::Blob);
    m_columns[column].payload[row] = m_blobs.size() - 1;
}

ResultSet::Stored ResultSet::storedForm(const QVariant &value)
{
    Stored stored;
    if (!value.isValid() || value.isNull())
        return stored;
    switch (value.typeId()) {
    case QMetaType::Bool:
        stored.kind = Kind::Integer;
        stored.integer = value.toBool() ? 1 : 0;
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::Short:
        stored.kind = Kind::Integer;
        stored.integer = value.toLongLong();
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        stored.kind = Kind::Real;
        stored.real = value.toDouble();
        break;
    case QMetaType::QByteArray:
        stored.kind = Kind::Blob;
        stored.blob = value.toByteArray();
        break;
    case QMetaType::QDate:
        stored.kind = Kind::Text;
        stored.text = value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        break;
    case QMetaType::QTime:
        stored.kind = Kind::Text;
        stored.text = value.toTime().toString(QStringLiteral("hh:mm:ss"));
        break;
    case QMetaType::QDateTime:
        stored.kind = Kind::Text;
        stored.text = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        break;
    default:
        stored.kind = Kind::Text;
        stored.text = value.toString();
        break;
    }
    return stored;
}

void ResultSet::setValue(int row, int column, const QVariant &value)
{
    const Stored stored = storedForm(value);
    switch (stored.kind) {
    case Kind::Null:
        setNull(row, column);
        break;
    case Kind::Integer:
        setInteger(row, column, stored.integer);
        break;
    case Kind::Real:
        setReal(row, column, stored.real);
        break;
    case Kind::Text:
        setText(row, column, stored.text);
        break;
    case Kind::Blob:
        setBlob(row, column, stored.blob);
        break;
    }
}

std::size_t ResultSet::memoryBytes() const
{
    std::size_t bytes = m_textPool.capacity() * sizeof(char16_t);
    for (const Column &c : m_columns)
        bytes += c.kinds.capacity() + c.payload.capacity() * sizeof(std::uint64_t);
    for (const QByteArray &b : m_blobs)
        bytes += std::size_t(b.capacity());
    return bytes;
}
