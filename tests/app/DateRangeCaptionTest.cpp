#include "app/DateRangeCaption.h"
#include "support/TestMain.h"

#include <QTest>

class DateRangeCaptionTest : public QObject {
    Q_OBJECT
private slots:
    void caption_data();
    void caption();
};

void DateRangeCaptionTest::caption_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<bool>("fromChecked");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("toChecked");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("expected");
    const QDate first(2009, 3, 1);
    const QDate last(2009, 3, 31);
    QTest::newRow("both dates") << first << true << last << true << "维修"
                                << "维修日期：自 2009年03月01日 至 2009年03月31日";
    QTest::newRow("neither date, no subject") << first << false << last << false << ""
                                              << "统计日期：自 启用系统 至 记帐最后一天";
    QTest::newRow("blank subject") << first << true << last << false << "  "
                                   << "统计日期：自 2009年03月01日 至 记帐最后一天";
    QTest::newRow("only to date") << first << false << QDate(2010, 12, 5) << true << "保险"
                                  << "保险日期：自 启用系统 至 2010年12月05日";
    QTest::newRow("ticked but unset date") << QDate() << true << last << true << "加油"
                                           << "加油日期：自 启用系统 至 2009年03月31日";
}

void DateRangeCaptionTest::caption()
{
    QFETCH(QDate, from);
    QFETCH(bool, fromChecked);
    QFETCH(QDate, to);
    QFETCH(bool, toChecked);
    QFETCH(QString, subject);
    QFETCH(QString, expected);
    QCOMPARE(dateRangeCaption(from, fromChecked, to, toChecked, subject), expected);
}

ORV_TEST(DateRangeCaptionTest)
#include "DateRangeCaptionTest.moc"
