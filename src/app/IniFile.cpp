#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace {
// "[name]" with optional blanks; the name between the brackets, trimmed.
bool parseSection(QStringView line, QStringView *name)
{
    const QStringView text = line.trimmed();
    if (!text.startsWith(u'['))
        return false;
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return false;
    *name = text.mid(1, close - 1).trimmed();
    return true;
}

bool isComment(QStringView trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// "key=value": the position of '=' and the trimmed key; false for other lines.
bool parseKey(QStringView line, qsizetype *equals, QStringView *key)
{
    const QStringView text = line.trimmed();
    if (text.isEmpty() || isComment(text) || text.startsWith(u'['))
        return false;
    *equals = line.indexOf(u'=');
    if (*equals < 0)
        return false;
    *key = line.left(*equals).trimmed();
    return !key->isEmpty();
}

QString valueOf(QStringView line, qsizetype equals)
{
    QStringView value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.toString();
}

QString encodeValue(const QString &value)
{
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    const bool quoted = text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
                        text.back() == text.front();
    if (quoted || text != QStringView(text).trimmed())
        return u'"' + text + u'"';
    return text;
}

bool sameName(QStringView a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Used only when this Qt has no GB18030 codec (a build without ICU); glibc's iconv always has one.
QString decodeGb18030WithIconv(const QByteArray &bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "GB18030");
    if (cd == iconv_t(-1))
        return QString::fromLatin1(bytes);
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // Skip a byte that is no character: the rest of the file still reads.
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    const qsizetype written = out.size() - qsizetype(outLeft);
    return QString(reinterpret_cast<const QChar *>(out.constData()), written / 2);
}

QString decodeFileText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb("GB18030");
    if (!gb.isValid())
        return decodeGb18030WithIconv(bytes);
    return gb.decode(bytes);
}

bool validSectionName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u']') && !name.contains(u'\n') &&
           !name.contains(u'\r');
}

bool validKeyName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'=') && !name.contains(u'\n') &&
           !name.contains(u'\r') && !name.startsWith(u'[') && !isComment(name);
}
} // namespace

IniFile::IniFile(const QString &path) : m_path(path) {}

IniFile::Content IniFile::load() const
{
    Content content;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    content.bytes = file.readAll();
    const QString text = decodeFileText(content.bytes);
    // Windows line ends only when every line has them; in other files a carriage return is part
    // of its line and written back as it was.
    const qsizetype breaks = text.count(u'\n');
    const bool windows = breaks > 0 && text.count(QLatin1String("\r\n")) == breaks;
    if (windows)
        content.lineEnd = QStringLiteral("\r\n");
    content.lines = text.split(u'\n');
    if (!content.lines.isEmpty() && content.lines.back().isEmpty())
        content.lines.removeLast(); // the break after the last line
    for (QString &line : content.lines) {
        if (windows && line.endsWith(u'\r'))
            line.chop(1);
    }
    return content;
}

IniFile::Place IniFile::find(const Content &content, const QString &section, const QString &key)
{
    Place place;
    for (int i = 0; i < content.lines.size(); ++i) {
        const QString &line = content.lines[i];
        QStringView name;
        if (parseSection(line, &name)) {
            if (place.sectionLine >= 0)
                break; // only the first section of that name counts
            if (sameName(name, section))
                place.sectionLine = place.lastLine = i;
            continue;
        }
        if (place.sectionLine < 0)
            continue;
        if (!line.trimmed().isEmpty())
            place.lastLine = i;
        qsizetype equals;
        QStringView lineKey;
        if (place.keyLine < 0 && parseKey(line, &equals, &lineKey) && sameName(lineKey, key))
            place.keyLine = i;
    }
    return place;
}

bool IniFile::save(const Content &content)
{
    QString text = content.lines.join(content.lineEnd);
    if (!content.lines.isEmpty())
        text += content.lineEnd;
    const QByteArray bytes = text.toUtf8();
    if (bytes == content.bytes && QFile::exists(m_path))
        return true;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const Content content = load();
    const Place place = find(content, section.trimmed(), key.trimmed());
    if (place.keyLine < 0)
        return defaultValue;
    const QString &line = content.lines[place.keyLine];
    return valueOf(line, line.indexOf(u'='));
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    const QString text = readString(section, key);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value != 0;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (!validSectionName(sectionName) || !validKeyName(keyName)) {
        m_error = QStringLiteral("INI 节名或键名无效：[%1] %2").arg(section, key);
        return false;
    }
    Content content = load();
    const Place place = find(content, sectionName, keyName);
    const QString encoded = encodeValue(value);
    if (place.keyLine >= 0) {
        // Keep the key as spelled in the file, and the blanks around '='.
        QString &line = content.lines[place.keyLine];
        qsizetype start = line.indexOf(u'=') + 1;
        while (start < line.size() && line[start].isSpace())
            ++start;
        line = line.left(start) + encoded;
    } else if (place.sectionLine >= 0) {
        content.lines.insert(place.lastLine + 1, keyName + u'=' + encoded);
    } else {
        if (!content.lines.isEmpty() && !content.lines.back().trimmed().isEmpty())
            content.lines.append(QString());
        content.lines.append(u'[' + sectionName + u']');
        content.lines.append(keyName + u'=' + encoded);
    }
    return save(content);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
