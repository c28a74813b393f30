// Text keys sort through per-row ranks; the order must be the one a direct case-insensitive,
// stable comparison of the texts gives, nulls first, in both directions and with a second key.
#include "db/DataSet.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <numeric>

class DataSetTextSortTest : public QObject {
    Q_OBJECT

    static ResultSet mixedTexts(int rows)
    {
        const QStringList words = {"浙A001", "浙a001", "浙A01", "浙A0010", "",  "b",     "B",
                                   "Ab",     "aB",     "ä",     "Ä",       "z", "司机2", "司机10"};
        ResultSet rs({QStringLiteral("F_text"), QStringLiteral("F_num")});
        QRandomGenerator random(42);
        for (int i = 0; i < rows; ++i) {
            const int row = rs.appendRow();
            const int pick = int(random.bounded(words.size() + 1));
            if (pick < words.size())
                rs.setText(row, 0, words[pick]); // else null
            rs.setInteger(row, 1, random.bounded(3));
        }
        return rs;
    }
    // The order a plain comparison gives.
    static std::vector<int> expected(const ResultSet &rs, bool descending, bool byNumberFirst)
    {
        std::vector<int> order(std::size_t(rs.rowCount()));
        std::iota(order.begin(), order.end(), 0);
        auto text = [&](int a, int b) {
            const bool na = rs.isNull(a, 0), nb = rs.isNull(b, 0);
            if (na || nb)
                return na == nb ? 0 : (na ? -1 : 1);
            return rs.text(a, 0).compare(rs.text(b, 0), Qt::CaseInsensitive);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            if (byNumberFirst && rs.integer(a, 1) != rs.integer(b, 1))
                return rs.integer(a, 1) < rs.integer(b, 1);
            const int c = text(a, b);
            return descending ? c > 0 : c < 0;
        });
        return order;
    }

private slots:
    void ranksGiveTheComparisonOrder_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<bool>("byNumberFirst");
        QTest::newRow("ascending") << "F_text ASC," << false << false;
        QTest::newRow("descending") << "F_text DESC" << true << false;
        QTest::newRow("second key") << "F_num ASC,F_text DESC," << true << true;
    }
    void ranksGiveTheComparisonOrder()
    {
        QFETCH(QString, sort);
        QFETCH(bool, descending);
        QFETCH(bool, byNumberFirst);
        DataSet ds;
        ds.setRows(mixedTexts(500));
        ds.setSort(sort);
        const std::vector<int> want = expected(ds.rows(), descending, byNumberFirst);
        for (int row = 0; row < ds.rowCount(); ++row)
            QCOMPARE(ds.sourceRow(row), want[std::size_t(row)]);
    }

    void numbersSortAsNumbersWithNullsFirst()
    {
        ResultSet rs({QStringLiteral("F_n")});
        const QVariantList values = {
            QVariant(3),   QVariant(2.5),  QVariant(), QVariant(-1), QVariant(qint64(1) << 60),
            QVariant(2.5), QVariant(-0.5), QVariant()};
        for (const QVariant &v : values)
            rs.setValue(rs.appendRow(), 0, v);
        DataSet ds;
        ds.setRows(rs);
        auto texts = [&] {
            QStringList t;
            for (int row = 0; row < ds.rowCount(); ++row)
                t << (ds.rows().isNull(ds.sourceRow(row), 0) ? QStringLiteral("null")
                                                             : ds.text(row, 0));
            return t.join(u' ');
        };
        ds.setSort(QStringLiteral("F_n ASC"));
        QCOMPARE(texts(), QStringLiteral("null null -1 -0.5 2.5 2.5 3 1152921504606846976"));
        ds.setSort(QStringLiteral("F_n DESC"));
        QCOMPARE(texts(), QStringLiteral("1152921504606846976 3 2.5 2.5 -0.5 -1 null null"));
        // Equal values keep their loaded order.
        QCOMPARE(ds.sourceRow(2), 1);
        QCOMPARE(ds.sourceRow(3), 5);
    }

    void aColumnMixingNumbersAndTextsStillSorts()
    {
        ResultSet rs({QStringLiteral("F_x")});
        for (const QVariant &v : {QVariant(10), QVariant("9"), QVariant(2), QVariant("a")}) {
            const int row = rs.appendRow();
            rs.setValue(row, 0, v);
        }
        DataSet ds;
        ds.setRows(rs);
        ds.setSort(QStringLiteral("F_x"));
        QStringList texts;
        for (int row = 0; row < ds.rowCount(); ++row)
            texts << ds.text(row, 0);
        QCOMPARE(texts, QStringList({"2", "10", "9", "a"})); // numbers as numbers, else as texts
    }
};

ORV_TEST(DataSetTextSortTest)
#include "DataSetTextSortTest.moc"
