// Client-side sort, locate and the cursor rules that the browse buttons rely on.
#include "db/DataSet.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// Rows of (F_name text, F_num number, F_date text)
ResultSet sample()
{
    ResultSet rs({QStringLiteral("F_name"), QStringLiteral("F_num"), QStringLiteral("F_date")});
    const struct {
        const char16_t *name;
        double num;
        const char16_t *date;
    } rows[] = {{u"b", 10, u"2009-03-01"},
                {u"A", 2, u"2009-01-15"},
                {u"c", 10, u"2008-12-31"},
                {u"a", 33, u"2009-03-01"},
                {u"B", 2, u"2010-01-01"}};
    for (const auto &r : rows) {
        const int row = rs.appendRow();
        rs.setText(row, 0, QStringView(r.name));
        rs.setReal(row, 1, r.num);
        rs.setText(row, 2, QStringView(r.date));
    }
    return rs;
}
QString column(const DataSet &ds, int c)
{
    QStringList out;
    for (int i = 0; i < ds.rowCount(); ++i)
        out << ds.text(i, c);
    return out.join(u',');
}
} // namespace

class DataSetTest : public QObject {
    Q_OBJECT
private slots:
    void sortTexts_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "" << 0 << "b,A,c,a,B";
        QTest::newRow("text ignores case, stable") << "F_name ASC," << 0 << "A,a,b,B,c";
        QTest::newRow("numbers as numbers") << "F_num DESC," << 1 << "33,10,10,2,2";
        QTest::newRow("dates in date order")
            << "F_date" << 2 << "2008-12-31,2009-01-15,2009-03-01,2009-03-01,2010-01-01";
        QTest::newRow("two keys") << "F_num ASC,F_name DESC," << 0 << "B,A,c,b,a";
        QTest::newRow("unknown field skipped") << "F_none ASC,f_NUM asc" << 1 << "2,2,10,10,33";
    }
    void sortTexts()
    {
        QFETCH(QString, sort);
        QFETCH(int, column);
        QFETCH(QString, expected);
        DataSet ds;
        ds.setRows(sample());
        ds.setSort(sort);
        QCOMPARE(::column(ds, column), expected);
        ds.setSort(QString());
        QCOMPARE(::column(ds, 0), QStringLiteral("b,A,c,a,B"));
    }

    void sortKeepsTheCurrentRecord()
    {
        DataSet ds;
        ds.setRows(sample());
        QVERIFY(ds.locate(u"F_name", QStringLiteral("c")));
        ds.setSort(QStringLiteral("F_name DESC,"));
        QCOMPARE(ds.fieldText(u"F_name"), QStringLiteral("c"));
    }

    void cursorFlagsAtBothEnds()
    {
        DataSet ds;
        ds.setRows(sample());
        QVERIFY(ds.bof());
        QVERIFY(!ds.eof());
        QCOMPARE(ds.currentRow(), 0);
        ds.prior();
        QVERIFY(ds.bof());
        QCOMPARE(ds.currentRow(), 0);
        ds.next();
        QVERIFY(!ds.bof() && !ds.eof());
        QCOMPARE(ds.currentRow(), 1);
        ds.last();
        QVERIFY(ds.eof());
        QCOMPARE(ds.currentRow(), 4);
        ds.next();
        QVERIFY(ds.eof());
        QCOMPARE(ds.currentRow(), 4);
        ds.first();
        QVERIFY(ds.bof() && !ds.eof());

        DataSet empty;
        empty.setRows(ResultSet({QStringLiteral("F_x")}));
        QVERIFY(empty.bof() && empty.eof());
        QCOMPARE(empty.currentRow(), -1);
        empty.next();
        empty.prior();
        QVERIFY(empty.bof() && empty.eof());
        QVERIFY(!empty.fieldValue(u"F_x").isValid());
    }

    void locateExactOrIgnoringCase()
    {
        DataSet ds;
        ds.setRows(sample());
        QVERIFY(!ds.locate(u"F_name", QStringLiteral("C")));
        QCOMPARE(ds.currentRow(), 0);
        QVERIFY(ds.locate(u"F_name", QStringLiteral("C"), DataSet::Match::CaseInsensitive));
        QCOMPARE(ds.currentRow(), 2);
        QVERIFY(ds.locate(u"f_num", 33));
        QCOMPARE(ds.fieldText(u"F_name"), QStringLiteral("a"));
        QVERIFY(!ds.locate(u"F_missing", 1));
    }

    void editsAndSums()
    {
        DataSet ds;
        ds.setRows(sample());
        QCOMPARE(ds.sum(1), 57.0);
        QSignalSpy changed(&ds, &DataSet::rowChanged);
        ds.setValue(0, 1, 11.5);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(ds.sum(1), 58.5);
        const int row = ds.appendRow();
        QCOMPARE(row, 5);
        QCOMPARE(ds.currentRow(), 5);
        ds.setValue(row, 0, QStringLiteral("new"));
        QCOMPARE(ds.text(5, 0), QStringLiteral("new"));
        QVERIFY(ds.rows().memoryBytes() > 0);
    }
};

ORV_TEST(DataSetTest)
#include "DataSetTest.moc"
