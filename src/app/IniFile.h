#pragma once
#include <QString>
#include <QStringList>

// The program's "config.ini": INI sections and keys, names matched without regard to case.
//
// Like the INI access of the program's first platform, every call goes to the file: reads see
// what another copy of the program wrote, and each write updates the file at once. Writing keeps
// everything else of the file as it was (other sections and keys, comments, blank lines, order,
// the spelling of existing names and the line ends), saves atomically (a crash leaves the old or
// the new file, never half of one) and writes UTF-8 without byte-order mark. A file that is not
// valid UTF-8 was written by an older copy of the program and is read as GB18030. A missing file
// reads as empty and is created by the first write.
//
// Values are trimmed on reading and one pair of enclosing quotes is taken off; a written value that
// needs them (leading or trailing blanks) is quoted, so what is written is what is read back. Line
// breaks in a written value become blanks, since they would break the file.
class IniFile {
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = {}) const;
    // The value as a decimal integer; the default when the key is missing or not a number.
    int readInteger(const QString &section, const QString &key, int defaultValue = 0) const;
    // An integer value is true when not 0 ("1" / "0" as written by writeBool); "true" and "false"
    // are understood too; anything else gives the default.
    bool readBool(const QString &section, const QString &key, bool defaultValue = false) const;

    // False when the file could not be written (errorString() says why) or when the section or key
    // name cannot stand in an INI file (empty, line breaks, ']' in a section, '=' in a key).
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);

    QString errorString() const { return m_error; }

private:
    struct Content {
        QStringList lines;
        QString lineEnd = QStringLiteral("\n");
        QByteArray bytes; // as read, to skip writes that change nothing
    };
    struct Place {
        int sectionLine = -1; // the first section of that name
        int lastLine = -1;    // its last line that is not blank
        int keyLine = -1;     // the first line of the key in it
    };

    Content load() const;
    static Place find(const Content &content, const QString &section, const QString &key);
    bool save(const Content &content);

    QString m_path;
    QString m_error;
};
