#include "app/IniFile.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void missingFileReadsDefaultsAndIsCreatedByFirstWrite();
    void emptyFileReadsDefaults();
    void namesMatchWithoutRegardToCase();
    void writingKeepsTheRestOfTheFile();
    void newKeysGoToTheEndOfTheirSection();
    void windowsLineEndsAreKept();
    void otherLineEndsAreKept_data();
    void otherLineEndsAreKept();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void typedValues_data();
    void typedValues();
    void olderFileInGb18030IsRead();
    void byteOrderMarkIsDropped();
    void otherCopiesWritesAreSeen();
    void unusableNamesAreRefused();
    void writeLeavesOnlyTheFinishedFile();
    void failedWriteIsReported();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("config.ini")); }
    void writeFile(const QByteArray &bytes) const;
    QByteArray readFile() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void IniFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void IniFileTest::cleanup()
{
    m_dir.reset();
}

void IniFileTest::writeFile(const QByteArray &bytes) const
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray IniFileTest::readFile() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void IniFileTest::missingFileReadsDefaultsAndIsCreatedByFirstWrite()
{
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "ds", "默认"), QString("默认"));
    QCOMPARE(ini.readInteger("config", "ibak", 7), 7);
    QCOMPARE(ini.readBool("sys", "bZDcode", true), true);
    QVERIFY(!QFile::exists(path())); // reading creates nothing

    QVERIFY(ini.writeInteger("config", "ibak", 2));
    QCOMPARE(readFile(), QByteArray("[config]\nibak=2\n"));
    QCOMPARE(ini.readInteger("config", "ibak", 0), 2);
}

void IniFileTest::emptyFileReadsDefaults()
{
    writeFile("");
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "ds", "x"), QString("x"));
    QVERIFY(ini.writeString("config", "ds", "/data/a.mdb"));
    QCOMPARE(readFile(), QByteArray("[config]\nds=/data/a.mdb\n"));
}

void IniFileTest::namesMatchWithoutRegardToCase()
{
    writeFile("[Config]\nCurOperName=admin\n[SYS]\nbZDcode=1\n");
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "curopername"), QString("admin"));
    QCOMPARE(ini.readString(" CONFIG ", "CUROPERNAME "), QString("admin"));
    QCOMPARE(ini.readBool("sys", "BZDCODE", false), true);

    // The existing line is updated, spelled as in the file; no second section or key appears.
    QVERIFY(ini.writeString("CONFIG", "curOPERname", "张三"));
    QCOMPARE(readFile(), QString("[Config]\nCurOperName=张三\n[SYS]\nbZDcode=1\n").toUtf8());
}

void IniFileTest::writingKeepsTheRestOfTheFile()
{
    const QByteArray original = "; written by hand\n"
                                "[config]\n"
                                "ds = /old/OrvCARs.mdb\n"
                                "# keep me\n"
                                "unknown=value with = sign\n"
                                "\n"
                                "[other]\n"
                                "ibak=9\n"
                                "loose line\n";
    writeFile(original);
    IniFile ini(path());
    QVERIFY(ini.writeString("config", "ds", "/new/OrvCARs.mdb"));
    QByteArray expected = original;
    expected.replace("ds = /old/OrvCARs.mdb", "ds = /new/OrvCARs.mdb");
    QCOMPARE(readFile(), expected);
    // A key of the same name in another section is a different key.
    QCOMPARE(ini.readInteger("config", "ibak", -1), -1);
    QCOMPARE(ini.readString("config", "unknown"), QString("value with = sign"));
}

void IniFileTest::newKeysGoToTheEndOfTheirSection()
{
    writeFile("[config]\nds=/a.mdb\n\n[sys]\nbZDcode=0\n");
    IniFile ini(path());
    QVERIFY(ini.writeInteger("config", "ibak", 3));
    QVERIFY(ini.writeBool("sys", "bZDGDcode", true));
    QVERIFY(ini.writeString("Config", "CurImeName", "拼音"));
    QVERIFY(ini.writeString("new", "k", "v"));
    QCOMPARE(readFile(), QString("[config]\nds=/a.mdb\nibak=3\nCurImeName=拼音\n\n"
                                 "[sys]\nbZDcode=0\nbZDGDcode=1\n\n[new]\nk=v\n")
                             .toUtf8());
}

void IniFileTest::windowsLineEndsAreKept()
{
    writeFile("[config]\r\nds=C:\\OrvCARs.mdb\r\n");
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "ds"), QString("C:\\OrvCARs.mdb"));
    QVERIFY(ini.writeInteger("config", "ibak", 1));
    QCOMPARE(readFile(), QByteArray("[config]\r\nds=C:\\OrvCARs.mdb\r\nibak=1\r\n"));
}

// Found by fuzzing: a file of carriage returns lost one to the first write and had its line ends
// changed by the second.
void IniFileTest::otherLineEndsAreKept_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("carriage returns only")
        << QByteArray("\r\r\r") << QByteArray("\r\r\r\n[config]\nds=x\n");
    QTest::newRow("mixed") << QByteArray("[a]\r\nk=1\n")
                           << QByteArray("[a]\r\nk=1\n\n[config]\nds=x\n");
}

void IniFileTest::otherLineEndsAreKept()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    writeFile(file);
    IniFile ini(path());
    QVERIFY(ini.writeString("config", "ds", "x"));
    QCOMPARE(readFile(), written);
    QVERIFY(ini.writeString("config", "ds", "x"));
    QCOMPARE(readFile(), written);
    QCOMPARE(ini.readString("a", "k"), file.contains("[a]") ? QString("1") : QString());
}

void IniFileTest::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "/home/办公室/OrvCARs.mdb"
                           << "/home/办公室/OrvCARs.mdb";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks around") << "  a b  "
                                   << "  a b  ";
    QTest::newRow("enclosed in quotes") << "\"quoted\""
                                        << "\"quoted\"";
    QTest::newRow("semicolon and equals") << "a;b=c"
                                          << "a;b=c";
    QTest::newRow("line breaks become blanks") << "one\ntwo\r\nthree"
                                               << "one two three";
}

void IniFileTest::valuesRoundTrip()
{
    QFETCH(QString, value);
    QFETCH(QString, readBack);
    IniFile ini(path());
    QVERIFY(ini.writeString("config", "ds", value));
    QVERIFY(ini.writeString("config", "after", "intact"));
    QCOMPARE(ini.readString("config", "ds", "missing"), readBack);
    QCOMPARE(ini.readString("config", "after"), QString("intact"));
}

void IniFileTest::typedValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("integer"); // -1: not a number, the default is read
    QTest::addColumn<int>("boolean"); // -1: not understood, the default is read
    QTest::newRow("one") << QByteArray("1") << 1 << 1;
    QTest::newRow("zero") << QByteArray("0") << 0 << 0;
    QTest::newRow("other integer") << QByteArray("2") << 2 << 1;
    QTest::newRow("negative with blanks") << QByteArray("  -5 ") << -5 << 1;
    QTest::newRow("word true") << QByteArray("True") << -1 << 1;
    QTest::newRow("word false") << QByteArray("false") << -1 << 0;
    QTest::newRow("not a number") << QByteArray("abc") << -1 << -1;
    QTest::newRow("empty") << QByteArray("") << -1 << -1;
}

void IniFileTest::typedValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, integer);
    QFETCH(int, boolean);
    writeFile("[sys]\nv=" + stored + "\n");
    IniFile ini(path());
    QCOMPARE(ini.readInteger("sys", "v", -1), integer);
    QCOMPARE(ini.readBool("sys", "v", false), boolean < 0 ? false : boolean == 1);
    QCOMPARE(ini.readBool("sys", "v", true), boolean < 0 ? true : boolean == 1);
}

void IniFileTest::olderFileInGb18030IsRead()
{
    QStringEncoder gb("GB18030");
    QVERIFY(gb.isValid());
    const QByteArray bytes =
        gb.encode(QStringLiteral("[Config]\nCurOperName=张三\nds=/数据/a.mdb\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    QVERIFY(utf8.hasError()); // the fixture really is not UTF-8
    writeFile(bytes);
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "CurOperName"), QString("张三"));

    // Writing turns the file into UTF-8 and keeps the other Chinese values.
    QVERIFY(ini.writeInteger("config", "ibak", 1));
    QCOMPARE(readFile(), QString("[Config]\nCurOperName=张三\nds=/数据/a.mdb\nibak=1\n").toUtf8());
    QCOMPARE(ini.readString("config", "ds"), QString("/数据/a.mdb"));
}

void IniFileTest::byteOrderMarkIsDropped()
{
    writeFile("\xEF\xBB\xBF[config]\nds=/a.mdb\n");
    IniFile ini(path());
    QCOMPARE(ini.readString("config", "ds"), QString("/a.mdb"));
    QVERIFY(ini.writeInteger("config", "ibak", 0));
    QCOMPARE(readFile(), QByteArray("[config]\nds=/a.mdb\nibak=0\n"));
}

void IniFileTest::otherCopiesWritesAreSeen()
{
    IniFile first(path());
    IniFile second(path());
    QVERIFY(first.writeString("config", "ds", "/a.mdb"));
    QCOMPARE(second.readString("config", "ds"), QString("/a.mdb"));
    QVERIFY(second.writeInteger("config", "ibak", 2));
    QVERIFY(first.writeString("Config", "CurOperName", "admin"));
    QCOMPARE(second.readInteger("config", "ibak", 0), 2); // not lost by the first one's write
    QCOMPARE(second.readString("config", "CurOperName"), QString("admin"));
}

void IniFileTest::unusableNamesAreRefused()
{
    writeFile("[config]\nds=/a.mdb\n");
    IniFile ini(path());
    QVERIFY(!ini.writeString("", "ds", "x"));
    QVERIFY(!ini.writeString("con]fig", "ds", "x"));
    QVERIFY(!ini.writeString("config", "", "x"));
    QVERIFY(!ini.writeString("config", "a=b", "x"));
    QVERIFY(!ini.writeString("config", "two\nlines", "x"));
    QVERIFY(!ini.writeString("config", ";comment", "x"));
    QVERIFY(!ini.errorString().isEmpty());
    QCOMPARE(readFile(), QByteArray("[config]\nds=/a.mdb\n"));
}

void IniFileTest::writeLeavesOnlyTheFinishedFile()
{
    IniFile ini(path());
    for (int i = 0; i < 20; ++i)
        QVERIFY(ini.writeInteger("config", QStringLiteral("k%1").arg(i % 5), i));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"config.ini"});
    QCOMPARE(ini.readInteger("config", "k4", -1), 19);
    QCOMPARE(readFile(), QByteArray("[config]\nk0=15\nk1=16\nk2=17\nk3=18\nk4=19\n"));
}

void IniFileTest::failedWriteIsReported()
{
    IniFile ini(m_dir->filePath(QStringLiteral("no such folder/config.ini")));
    QVERIFY(!ini.writeInteger("config", "ibak", 1));
    QVERIFY(!ini.errorString().isEmpty());
    QCOMPARE(ini.readInteger("config", "ibak", -1), -1);
}

ORV_TEST(IniFileTest)
#include "IniFileTest.moc"
