// Pick lists over a real database: the empty first item, blank rows, what the box keeps on a
// refill and on a failure, the selection rule, and a fleet-sized list.
#include "widgets/PickList.h"
#include "app/DataModule.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

class PickListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    Db &db() { return env->dataModule()->db(); }

    void addCodes(const QString &type, const QList<QVariant> &names)
    {
        for (const QVariant &name : names)
            QVERIFY(db().exec(QStringLiteral("insert into t_code(F_type, F_name) values(:t, :n)"),
                              {{QStringLiteral("t"), type}, {QStringLiteral("n"), name}})
                        .ok);
    }
    static QStringList items(const QComboBox &box)
    {
        QStringList list;
        for (int i = 0; i < box.count(); ++i)
            list << box.itemText(i);
        return list;
    }
    static QString codes(const QString &type)
    {
        return QStringLiteral("select F_name from t_code where F_type = '%1' order by F_ID")
            .arg(type);
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->connect();
        QVERIFY(env->dataModule()->IsConnected);
    }
    void cleanup() { env.reset(); }

    void fillStartsWithAnEmptyItemAndSkipsBlankRows()
    {
        addCodes(QStringLiteral("t1"),
                 {QStringLiteral("  "), QStringLiteral("甲"), QStringLiteral(" 乙 "), QString(),
                  QVariant(), QStringLiteral("丙")});
        addCodes(QStringLiteral("t2"), {QStringLiteral(" "), QString(), QVariant()});
        QComboBox box;
        box.addItems({QStringLiteral("设计时占位")});
        FillPickList(codes(QStringLiteral("t1")), &box);
        QCOMPARE(items(box), QStringList({QString(), QStringLiteral("甲"), QStringLiteral(" 乙 "),
                                          QStringLiteral("丙")}));
        FillPickList(codes(QStringLiteral("t2")), &box);
        QCOMPARE(items(box), QStringList({QString()}));
        FillPickList(QStringLiteral("select F_name from t_code where F_type = :type order by F_ID"),
                     {{QStringLiteral("type"), QStringLiteral("t1")}}, &box);
        QCOMPARE(box.count(), 4);
        QVERIFY(env->platform().shown.isEmpty());
    }

    void refillKeepsWhatTheBoxShows()
    {
        addCodes(QStringLiteral("t1"), {QStringLiteral("甲"), QStringLiteral("乙")});
        addCodes(QStringLiteral("t2"), {QStringLiteral("丙")});

        // An editable box keeps the text the operator typed or the record brought, and no change
        // handler of the window runs for the refill.
        QComboBox editable;
        makeEditablePickBox(&editable);
        FillPickList(codes(QStringLiteral("t1")), &editable);
        editable.setEditText(QStringLiteral("平安保险"));
        QSignalSpy textChanged(&editable, &QComboBox::currentTextChanged);
        QSignalSpy indexChanged(&editable, &QComboBox::currentIndexChanged);
        FillPickList(codes(QStringLiteral("t1")), &editable);
        QCOMPARE(editable.currentText(), QStringLiteral("平安保险"));
        QCOMPARE(textChanged.count(), 0);
        QCOMPARE(indexChanged.count(), 0);

        // A list-only box keeps its choice while it is still offered.
        QComboBox listOnly;
        makeListOnlyPickBox(&listOnly);
        FillPickList(codes(QStringLiteral("t1")), &listOnly);
        QCOMPARE(listOnly.currentIndex(), 0);
        listOnly.setCurrentIndex(2);
        FillPickList(codes(QStringLiteral("t1")), &listOnly);
        QCOMPARE(listOnly.currentText(), QStringLiteral("乙"));
        FillPickList(codes(QStringLiteral("t2")), &listOnly);
        QCOMPARE(listOnly.currentIndex(), 0);
        QCOMPARE(listOnly.currentText(), QString());
    }

    void failingQueryReportsAndLeavesTheBox()
    {
        QComboBox box;
        makeEditablePickBox(&box);
        box.addItems({QString(), QStringLiteral("甲")});
        box.setEditText(QStringLiteral("已输入"));
        FillPickList(QStringLiteral("select F_name from T_none"), &box);
        QCOMPARE(env->platform().texts(), QStringList({DataModule::OperationFailed}));
        QCOMPARE(env->platform().shown.first().kind, Platform::MessageKind::Error);
        QCOMPARE(items(box), QStringList({QString(), QStringLiteral("甲")}));
        QCOMPARE(box.currentText(), QStringLiteral("已输入"));
    }

    void selectMatchesTrimmedWithoutCaseAndTheLastWins_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("selected");
        QTest::newRow("last of two matches") << "alpha" << 3;
        QTest::newRow("trimmed on both sides") << " BETA" << 2;
        QTest::newRow("no match keeps the selection") << "delta" << 4;
        QTest::newRow("empty value selects the empty item") << "  " << 0;
    }
    void selectMatchesTrimmedWithoutCaseAndTheLastWins()
    {
        QFETCH(QString, value);
        QFETCH(int, selected);
        for (const bool editable : {false, true}) {
            QComboBox box;
            box.setEditable(editable);
            box.addItems({QString(), QStringLiteral("Alpha"), QStringLiteral(" beta "),
                          QStringLiteral("ALPHA "), QStringLiteral("gamma")});
            box.setCurrentIndex(4);
            SelectPickListItem(value, &box);
            QCOMPARE(box.currentIndex(), selected);
            QCOMPARE(box.currentText(), box.itemText(selected));
        }
    }

    void fleetSizedListFillsAndSelects()
    {
        constexpr int vehicles = 20000;
        {
            Transaction transaction(db());
            Statement insert =
                db().prepare(QStringLiteral("insert into T_cars(F_code, F_useFlag) values(:c, 0)"));
            QVERIFY(insert.isValid());
            for (int i = 0; i < vehicles; ++i)
                QVERIFY(insert
                            .run({{QStringLiteral("c"),
                                   QStringLiteral("浙B%1").arg(i, 5, 10, QChar(u'0'))}})
                            .ok);
            QVERIFY(transaction.commit());
        }
        QComboBox box;
        makeEditablePickBox(&box);
        // A refill of the same list keeps one empty item and every plate once.
        FillPickList(QStringLiteral("select F_code from T_cars where F_useFlag = false"), &box);
        FillPickList(QStringLiteral("select F_code from T_cars where F_useFlag = false"), &box);
        SelectPickListItem(QStringLiteral("浙b19999"), &box);
        QCOMPARE(box.count(), vehicles + 1);
        QCOMPARE(box.itemText(0), QString());
        QCOMPARE(box.currentIndex(), vehicles);
    }
};

ORV_TEST(PickListTest)
#include "PickListTest.moc"
