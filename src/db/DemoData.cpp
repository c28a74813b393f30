#include "DemoData.h"

#include "DemoRandom.h"
#include "DemoTableWriter.h"
#include "DemoText.h"
#include "NoDate.h"
#include "RecordKinds.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTime>

namespace {

// A record kind's table, as the kinds' table names it.
QString tableOf(QStringView word)
{
    return RecordKinds::byWord(word.toString())->table;
}

using namespace DemoText;

double money(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString day(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

struct Model {
    const char16_t *brand;
    const char16_t *model;
    const char16_t *type;
    const char16_t *seats;
    const char16_t *load;
    double price; // yuan
    bool diesel;
};

// Brands and types as the seeded code dictionary has them.
const Model Models[] = {
    {u"大众", u"帕萨特", u"轿车", u"5", u"", 220000, false},
    {u"大众", u"朗逸", u"轿车", u"5", u"", 130000, false},
    {u"大众", u"途观", u"越野车", u"5", u"", 260000, false},
    {u"丰田", u"凯美瑞", u"轿车", u"5", u"", 230000, false},
    {u"丰田", u"汉兰达", u"越野车", u"7", u"", 300000, false},
    {u"丰田", u"考斯特", u"客车", u"23", u"", 550000, true},
    {u"本田", u"雅阁", u"轿车", u"5", u"", 210000, false},
    {u"本田", u"奥德赛", u"商务车", u"7", u"", 260000, false},
    {u"别克", u"GL8", u"商务车", u"7", u"", 280000, false},
    {u"别克", u"君威", u"轿车", u"5", u"", 190000, false},
    {u"奥迪", u"A6L", u"轿车", u"5", u"", 450000, false},
    {u"东风", u"多利卡", u"货车", u"3", u"5吨", 160000, true},
    {u"东风", u"天锦", u"货车", u"3", u"8吨", 230000, true},
    {u"解放", u"J6P", u"货车", u"2", u"20吨", 380000, true},
    {u"金杯", u"海狮", u"面包车", u"11", u"", 110000, false},
    {u"东风", u"锐骐", u"皮卡", u"5", u"1吨", 120000, true},
};

struct Vehicle {
    qint64 id = 0;
    QString plate;
    QString driver;
    QString type;
    bool diesel = false;
    bool truck = false;
};

class Generator {
public:
    Generator(Db &db, const DemoOptions &options)
        : m_db(db), m_options(options), m_rng(options.seed * 0x2545F4914F6CDD1Dull + 17)
    {
        m_today = options.today.isValid() ? options.today : QDate::currentDate();
        m_start = m_today.addMonths(-qMax(1, options.months));
        m_days = int(m_start.daysTo(m_today));
        m_years = double(m_days) / 365.0;
    }

    bool run(QString *error)
    {
        if (!loadCodes(error))
            return false;
        const bool ok = employees() && partners() && vehicles() && repairs() && insurance() &&
                        fees() && inspections() && accidents() && violations() && complaints() &&
                        trips() && expenses() && incomes() && refuelling() && inDateOrder() &&
                        operators() && workLog();
        if (!ok && error)
            *error = m_error;
        return ok;
    }

private:
    bool loadCodes(QString *error)
    {
        const QueryResult r = m_db.query(
            QStringLiteral("SELECT F_type, F_name FROM t_code WHERE F_name <> '' ORDER BY F_ID"));
        if (!r) {
            if (error)
                *error = r.error;
            return false;
        }
        for (int i = 0; i < r.rows.rowCount(); ++i)
            m_codes[r.rows.text(i, 0).toLower()] << r.rows.text(i, 1);
        const QueryResult admin = m_db.query(
            QStringLiteral("SELECT F_PassWord FROM OperList WHERE trim(F_Name) = 'admin'"));
        if (admin && !admin.rows.isEmpty())
            m_emptyPasswordCode = admin.rows.text(0, 0);
        return true;
    }

    const QStringList &codes(const char *type) const
    {
        static const QStringList none;
        const auto it = m_codes.constFind(QLatin1String(type));
        return it == m_codes.constEnd() ? none : *it;
    }

    QDate someDay() { return m_start.addDays(m_rng.below(m_days + 1)); }

    bool check(const TableWriter &writer)
    {
        if (writer.error().isEmpty())
            return true;
        m_error = writer.error();
        return false;
    }

    // Drivers first (each vehicle gets one), then office staff.
    bool employees()
    {
        TableWriter w(
            m_db, QStringLiteral("T_employee"),
            {QStringLiteral("F_code"), QStringLiteral("F_name"), QStringLiteral("F_sex"),
             QStringLiteral("F_SFZcode"), QStringLiteral("F_xueLI"), QStringLiteral("F_SRdate"),
             QStringLiteral("F_jiguan"), QStringLiteral("F_phone"), QStringLiteral("F_handPhone"),
             QStringLiteral("F_dept"), QStringLiteral("F_RZdate"), QStringLiteral("F_address"),
             QStringLiteral("F_JSZcode"), QStringLiteral("F_LZdate"), QStringLiteral("F_ZJcltype"),
             QStringLiteral("F_JSnl"), QStringLiteral("F_useFlag"), QStringLiteral("F_memo1"),
             QStringLiteral("F_imagePath")});
        static const QStringList places = {QStringLiteral("浙江杭州"), QStringLiteral("浙江宁波"),
                                           QStringLiteral("浙江温州"), QStringLiteral("浙江绍兴"),
                                           QStringLiteral("安徽合肥"), QStringLiteral("江西上饶"),
                                           QStringLiteral("河南信阳"), QStringLiteral("江苏苏州")};
        const int drivers = m_options.vehicles + m_options.vehicles / 10 + 2;
        const int staff = m_options.vehicles / 5 + 3;
        const qint64 nameSpace = nameCount();
        const qint64 nameOffset = qint64(m_options.seed % quint64(nameSpace));
        QStringList depts = codes("dept");
        depts.removeAll(QStringLiteral("车队"));
        for (int i = 0; i < drivers + staff; ++i) {
            const bool driver = i < drivers;
            const QString name = personName((i * 7919 + nameOffset) % nameSpace);
            const bool woman = m_rng.chance(driver ? 0.08 : 0.5);
            const QDate birth(m_rng.between(1962, 2000), m_rng.between(1, 12),
                              m_rng.between(1, 28));
            const QDate joined = m_today.addDays(-m_rng.between(60, 365 * 15));
            const QDate licensed = birth.addYears(m_rng.between(19, 30));
            // About one in twenty has left the company; in a small staff the last one.
            const bool left = i % 20 == 9 || (drivers + staff < 10 && i == drivers + staff - 1);
            const int years = qMax(0, int(licensed.daysTo(m_today) / 365));
            const QString drivingAge = years < 1    ? QStringLiteral("1年以下")
                                       : years < 3  ? QStringLiteral("1-3年")
                                       : years < 5  ? QStringLiteral("3-5年")
                                       : years < 10 ? QStringLiteral("5-10年")
                                                    : QStringLiteral("10年以上");
            const QString id = identityNumber(m_rng, birth);
            w.add({QStringLiteral("YG%1").arg(i + 1, 4, 10, QChar(u'0')), name,
                   woman ? QStringLiteral("女") : QStringLiteral("男"), id,
                   m_rng.pick(codes("xueli")), day(birth), m_rng.pick(places), officePhone(m_rng),
                   handPhone(m_rng), driver ? QStringLiteral("车队") : m_rng.pick(depts),
                   day(joined), streetAddress(m_rng), driver ? id : QString(),
                   driver ? day(licensed.isValid() && licensed < m_today ? licensed
                                                                         : m_today.addYears(-1))
                          : NoDate::stored,
                   driver ? m_rng.pick(codes("zjcltype")) : QString(),
                   driver ? drivingAge : QString(), left ? 1 : 0,
                   left ? QStringLiteral("已离职") : QString(), QString()});
            if (!check(w))
                return false;
            if (!left)
                (driver ? m_drivers : m_staff) << name;
        }
        return true;
    }

    bool partners()
    {
        const QStringList columns = {
            QStringLiteral("F_code"),      QStringLiteral("F_name"),  QStringLiteral("F_empName"),
            QStringLiteral("F_ZWname"),    QStringLiteral("F_sex"),   QStringLiteral("F_phone"),
            QStringLiteral("F_handPhone"), QStringLiteral("F_fax"),   QStringLiteral("F_postcode"),
            QStringLiteral("F_QQ"),        QStringLiteral("F_MSN"),   QStringLiteral("F_address"),
            QStringLiteral("F_email"),     QStringLiteral("F_memo1"), QStringLiteral("F_useFlag")};
        static const QStringList districts = {QStringLiteral("西湖"), QStringLiteral("滨江"),
                                              QStringLiteral("拱墅"), QStringLiteral("萧山"),
                                              QStringLiteral("余杭"), QStringLiteral("下沙"),
                                              QStringLiteral("城东"), QStringLiteral("城北")};
        QStringList shops;
        const int shopCount = 5 + m_options.vehicles / 500;
        for (int i = 0; i < shopCount; ++i) {
            const QString place = districts.at(i % districts.size());
            const int round = i / int(districts.size());
            shops << (round == 0
                          ? QStringLiteral("杭州%1汽车修理厂").arg(place)
                          : QStringLiteral("杭州%1第%2汽车维修服务站").arg(place).arg(round + 1));
        }
        const QStringList insurers = {QStringLiteral("中国人民财产保险杭州分公司"),
                                      QStringLiteral("平安财产保险杭州分公司"),
                                      QStringLiteral("太平洋财产保险杭州分公司"),
                                      QStringLiteral("中华联合财产保险杭州分公司"),
                                      QStringLiteral("大地财产保险杭州分公司"),
                                      QStringLiteral("天安财产保险杭州分公司")};
        const QStringList collectors = {
            QStringLiteral("杭州市交通运输局规费征稽处"), QStringLiteral("浙江省高速公路管理局"),
            QStringLiteral("杭州市城市停车管理公司"), QStringLiteral("杭州市地方税务局"),
            QStringLiteral("杭州绕城高速公路管理处")};

        struct Kind {
            const char *table;
            const char *prefix;
            const QStringList &names;
            QStringList *inService;
        } kinds[] = {{"T_WXoffice", "WX", shops, &m_repairShops},
                     {"T_BXoffice", "BX", insurers, &m_insurers},
                     {"T_SFoffice", "SF", collectors, &m_collectors}};
        for (const Kind &kind : kinds) {
            TableWriter w(m_db, QLatin1String(kind.table), columns);
            for (int i = 0; i < kind.names.size(); ++i) {
                // The last unit of each kind is no longer dealt with.
                const bool stopped = i == kind.names.size() - 1;
                const QString contact = anyName(m_rng);
                const QString qq = QString::number(m_rng.between(10000000, 999999999));
                w.add({QStringLiteral("%1%2")
                           .arg(QLatin1String(kind.prefix))
                           .arg(i + 1, 4, 10, QChar(u'0')),
                       kind.names.at(i), contact, m_rng.pick(codes("zwname")),
                       m_rng.chance(0.3) ? QStringLiteral("女") : QStringLiteral("男"),
                       officePhone(m_rng), handPhone(m_rng), officePhone(m_rng),
                       QStringLiteral("3100") + m_rng.digits(2), qq,
                       QStringLiteral("fw%1@hotmail.com").arg(qq), streetAddress(m_rng),
                       QStringLiteral("service%1@example.cn").arg(qq),
                       stopped ? QStringLiteral("合同已到期") : QString(), stopped ? 1 : 0});
                if (!check(w))
                    return false;
                if (!stopped)
                    *kind.inService << kind.names.at(i);
            }
        }
        return true;
    }

    bool vehicles()
    {
        TableWriter w(m_db, QStringLiteral("T_cars"),
                      {QStringLiteral("F_code"),       QStringLiteral("F_name"),
                       QStringLiteral("F_type"),       QStringLiteral("F_pinPai"),
                       QStringLiteral("F_xingHao"),    QStringLiteral("F_FDJcode"),
                       QStringLiteral("F_diPan"),      QStringLiteral("F_yanSE"),
                       QStringLiteral("F_zaiZhong"),   QStringLiteral("F_zuoWei"),
                       QStringLiteral("F_buyPrice"),   QStringLiteral("F_SCdate"),
                       QStringLiteral("F_buyDate"),    QStringLiteral("F_JSempName"),
                       QStringLiteral("F_GSoffice"),   QStringLiteral("F_useFlag"),
                       QStringLiteral("F_memo1"),      QStringLiteral("F_imagePath1"),
                       QStringLiteral("F_imagePath2"), QStringLiteral("F_imagePath3"),
                       QStringLiteral("F_ZF1"),        QStringLiteral("F_ZF2"),
                       QStringLiteral("F_ZF3"),        QStringLiteral("F_ZF4"),
                       QStringLiteral("F_ZF5"),        QStringLiteral("F_RQ1"),
                       QStringLiteral("F_RQ2"),        QStringLiteral("F_RQ3")});
        const QStringList offices = codes("gsoffice");
        static const QString vinChars = QStringLiteral("ABCDEFGHJKLMNPRSTUVWXYZ0123456789");
        const int modelCount = int(std::size(Models));
        m_vehicles.reserve(m_options.vehicles);
        for (int i = 0; i < m_options.vehicles; ++i) {
            const Model &model = Models[m_rng.below(modelCount)];
            const QString office = offices.isEmpty() ? QString() : offices.at(i % offices.size());
            // Vehicles of the branch offices carry their city's letter.
            const QChar city = office.contains(QStringLiteral("宁波"))   ? u'B'
                               : office.contains(QStringLiteral("温州")) ? u'C'
                                                                         : u'A';
            Vehicle v;
            v.plate = QStringLiteral("浙") + city + plateNumber(i, m_options.seed);
            v.driver = m_drivers.isEmpty() ? QString() : m_drivers.at(i % m_drivers.size());
            v.type = QString::fromUtf16(model.type);
            v.diesel = model.diesel;
            v.truck = v.type == QStringLiteral("货车");
            const QDate bought = m_today.addDays(-m_rng.between(200, 365 * 8));
            QString vin = QStringLiteral("L");
            for (int c = 0; c < 16; ++c)
                vin += vinChars.at(m_rng.below(int(vinChars.size())));
            // A few vehicles are out of service, in a small fleet the last one.
            const bool stopped = i % 20 == 7 || (m_options.vehicles < 8 && m_options.vehicles > 1 &&
                                                 i == m_options.vehicles - 1);
            w.add({v.plate,
                   QString(),
                   v.type,
                   QString::fromUtf16(model.brand),
                   QString::fromUtf16(model.model),
                   QString(QChar(u'A' + m_rng.below(8))) + m_rng.digits(7),
                   vin,
                   m_rng.pick(codes("yanse")),
                   QString::fromUtf16(model.load),
                   QString::fromUtf16(model.seats),
                   money(model.price * m_rng.real(0.9, 1.1)),
                   day(bought.addDays(-m_rng.between(20, 180))),
                   day(bought),
                   v.driver,
                   office,
                   stopped ? 1 : 0,
                   stopped ? QStringLiteral("已报废停用") : QString(),
                   QString(),
                   QString(),
                   QString(),
                   QString(),
                   QString(),
                   QString(),
                   QString(),
                   QString(),
                   NoDate::stored,
                   NoDate::stored,
                   NoDate::stored});
            if (!check(w))
                return false;
            v.id = w.lastId();
            m_vehicles.push_back(v);
        }
        return true;
    }

    // Mostly the vehicle's own driver, now and then a colleague.
    QString driverOf(const Vehicle &v)
    {
        if (m_drivers.isEmpty())
            return v.driver;
        return m_rng.chance(0.85) ? v.driver : m_rng.pick(m_drivers);
    }

    QString memo() { return m_rng.chance(0.1) ? QStringLiteral("已核实") : QString(); }

    // Dates of a recurring event (insurance, fee, inspection) for one vehicle: every `months`
    // months back from an anchor day within the last period. The latest one is kept even when it
    // lies before the first month, as every vehicle is insured and inspected. Some vehicles have
    // their anchor so that the next date falls in the coming month, some missed their latest
    // renewal and are overdue.
    QList<QDate> recurring(int index, int months)
    {
        const int periodDays = int(m_today.addMonths(-months).daysTo(m_today));
        int back = m_rng.below(periodDays);
        if (index % 6 == 1)
            back = periodDays - 1 - m_rng.below(qMin(28, periodDays));
        else if (index % 10 == 3)
            back = periodDays + m_rng.between(3, 40);
        QList<QDate> dates;
        for (QDate d = m_today.addDays(-back); dates.isEmpty() || d >= m_start;
             d = d.addMonths(-months))
            dates.prepend(d);
        return dates;
    }

    bool repairs()
    {
        TableWriter w(m_db, tableOf(u"wx"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_WXtype"), QStringLiteral("F_WXdate"),
                       QStringLiteral("F_WXdayNum"), QStringLiteral("F_WXmemo1"),
                       QStringLiteral("F_WXoffice"), QStringLiteral("F_WXprice"),
                       QStringLiteral("F_JSempName"), QStringLiteral("F_memo1")});
        static const QStringList notes = {
            QStringLiteral("更换机油、机滤"),   QStringLiteral("更换刹车片"),
            QStringLiteral("检修空调系统"),     QStringLiteral("更换前大灯总成"),
            QStringLiteral("发动机异响检修"),   QStringLiteral("更换蓄电池"),
            QStringLiteral("四轮定位及动平衡"), QStringLiteral("前保险杠修复喷漆")};
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(6 * m_years);
            for (int k = 0; k < n; ++k) {
                const QString type = m_rng.pick(codes("wxtype"));
                const double scale = type.contains(QStringLiteral("大修"))   ? 8000
                                     : type.contains(QStringLiteral("中修")) ? 2500
                                     : type.contains(QStringLiteral("事故")) ? 4000
                                                                             : 600;
                w.add({v.id, v.plate, type, day(someDay()), QString::number(m_rng.between(1, 5)),
                       m_rng.pick(notes), m_rng.pick(m_repairShops),
                       money(scale * m_rng.real(0.4, 1.6)), driverOf(v), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool insurance()
    {
        TableWriter w(m_db, tableOf(u"tb"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_BXtype"), QStringLiteral("F_BXoffice"),
                       QStringLiteral("F_BDcode"), QStringLiteral("F_TBdate"),
                       QStringLiteral("F_TBprice"), QStringLiteral("F_TBrate"),
                       QStringLiteral("F_NextTBdate"), QStringLiteral("F_memo1")});
        QStringList commercial = codes("bxtype");
        const QString compulsory = commercial.isEmpty() ? QString() : commercial.takeFirst();
        for (int i = 0; i < int(m_vehicles.size()); ++i) {
            const Vehicle &v = m_vehicles[i];
            const QString insurer = m_rng.pick(m_insurers);
            for (const QDate &d : recurring(i, 12)) {
                // The compulsory policy and one commercial policy, renewed together each year.
                w.add({v.id, v.plate, compulsory, insurer,
                       QStringLiteral("PDZA%1%2").arg(d.year()).arg(m_rng.digits(10)), day(d),
                       v.truck ? 1100.0 : 950.0, 122000.0, day(d.addYears(1)), memo()});
                w.add({v.id, v.plate, m_rng.pick(commercial), insurer,
                       QStringLiteral("PDAA%1%2").arg(d.year()).arg(m_rng.digits(10)), day(d),
                       money(m_rng.real(1800, 6500)), double(m_rng.between(2, 10) * 100000),
                       day(d.addYears(1)), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool fees()
    {
        TableWriter w(m_db, tableOf(u"jf"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_JFtype"), QStringLiteral("F_SFoffice"),
                       QStringLiteral("F_JFcode"), QStringLiteral("F_JFdate"),
                       QStringLiteral("F_JFprice"), QStringLiteral("F_JSempname"),
                       QStringLiteral("F_NextJFdate"), QStringLiteral("F_memo1")});
        for (int i = 0; i < int(m_vehicles.size()); ++i) {
            const Vehicle &v = m_vehicles[i];
            const QString type = m_rng.pick(codes("jftype"));
            const QString collector = m_rng.pick(m_collectors);
            for (const QDate &d : recurring(i, 3)) {
                w.add({v.id, v.plate, type, collector, QStringLiteral("JF") + m_rng.digits(8),
                       day(d), money((v.truck ? 900 : 380) * m_rng.real(0.8, 1.2)), driverOf(v),
                       day(d.addMonths(3)), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool inspections()
    {
        TableWriter w(m_db, tableOf(u"ns"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_NStype"), QStringLiteral("F_NSdate"),
                       QStringLiteral("F_NSprice"), QStringLiteral("F_NextNSdate"),
                       QStringLiteral("F_memo1")});
        for (int i = 0; i < int(m_vehicles.size()); ++i) {
            const Vehicle &v = m_vehicles[i];
            for (const QDate &d : recurring(i + 2, 12)) {
                w.add({v.id, v.plate, m_rng.pick(codes("nstype")), day(d),
                       double(v.truck ? m_rng.between(300, 450) : m_rng.between(150, 280)),
                       day(d.addYears(1)), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool accidents()
    {
        TableWriter w(m_db, tableOf(u"sg"),
                      {QStringLiteral("F_mainID"),      QStringLiteral("F_CPcode"),
                       QStringLiteral("F_SGtype"),      QStringLiteral("F_JSempname"),
                       QStringLiteral("F_SGdate"),      QStringLiteral("F_FSaddress"),
                       QStringLiteral("F_QRoffice"),    QStringLiteral("F_DFCPcode"),
                       QStringLiteral("F_DFcltype"),    QStringLiteral("F_DFempname"),
                       QStringLiteral("F_DFoffice"),    QStringLiteral("F_DFphone"),
                       QStringLiteral("F_DFhandphone"), QStringLiteral("F_officePrice"),
                       QStringLiteral("F_gerenPrice"),  QStringLiteral("F_DFprice"),
                       QStringLiteral("F_BXprice"),     QStringLiteral("F_GYmem"),
                       QStringLiteral("F_SHmem"),       QStringLiteral("F_DFSHmem"),
                       QStringLiteral("F_HJmem"),       QStringLiteral("F_ZRmem"),
                       QStringLiteral("F_imagePath1"),  QStringLiteral("F_imagePath2"),
                       QStringLiteral("F_imagePath3"),  QStringLiteral("F_memo1")});
        static const QStringList police = {
            QStringLiteral("西湖交警大队"), QStringLiteral("滨江交警大队"),
            QStringLiteral("高速交警支队"), QStringLiteral("保险公司查勘员")};
        static const QStringList duties = {QStringLiteral("我方全责"), QStringLiteral("对方全责"),
                                           QStringLiteral("双方同等责任"),
                                           QStringLiteral("我方主责")};
        static const QStringList damages = {
            QStringLiteral("前保险杠刮伤"), QStringLiteral("左后门凹陷"),
            QStringLiteral("右侧后视镜损坏"), QStringLiteral("车尾灯破裂"),
            QStringLiteral("轻微擦痕")};
        static const QStringList provinces = {QStringLiteral("浙"), QStringLiteral("苏"),
                                              QStringLiteral("沪"), QStringLiteral("皖")};
        // Even a small fleet shows accidents: the first vehicles always have one.
        for (int i = 0; i < int(m_vehicles.size()); ++i) {
            const Vehicle &v = m_vehicles[i];
            const int n = i < 3 ? 1 : m_rng.count(0.5 * m_years);
            for (int k = 0; k < n; ++k) {
                const QString duty = m_rng.pick(duties);
                const double total = money(m_rng.real(500, 12000));
                const bool ours = duty.startsWith(QStringLiteral("我方")) ||
                                  duty.startsWith(QStringLiteral("双方"));
                const double insured = ours ? money(total * 0.8) : 0.0;
                const double company = ours ? money((total - insured) * 0.7) : 0.0;
                const double personal = ours ? money(total - insured - company) : 0.0;
                w.add(
                    {v.id,
                     v.plate,
                     m_rng.pick(codes("sgtype")),
                     driverOf(v),
                     day(someDay()),
                     streetAddress(m_rng),
                     m_rng.pick(police),
                     m_rng.pick(provinces) + plateLetter(m_rng.below(8)) + m_rng.digits(5),
                     m_rng.pick(codes("cltype")),
                     anyName(m_rng),
                     m_rng.chance(0.4) ? QStringLiteral("个人") : QStringLiteral("某物流有限公司"),
                     officePhone(m_rng),
                     handPhone(m_rng),
                     company,
                     personal,
                     ours ? 0.0 : total,
                     insured,
                     QStringLiteral("行驶中与对方车辆发生碰撞"),
                     m_rng.pick(damages),
                     m_rng.pick(damages),
                     QStringLiteral("双方协商，由保险公司定损理赔"),
                     duty,
                     QString(),
                     QString(),
                     QString(),
                     memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool violations()
    {
        TableWriter w(m_db, tableOf(u"wz"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_WZitem"), QStringLiteral("F_WZaddress"),
                       QStringLiteral("F_JSempname"), QStringLiteral("F_WZdate"),
                       QStringLiteral("F_FKprice"), QStringLiteral("F_memo1")});
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(1.5 * m_years);
            for (int k = 0; k < n; ++k) {
                const QString item = m_rng.pick(codes("wzitem"));
                const double fine =
                    item.contains(QStringLiteral("超速")) || item.contains(QStringLiteral("红灯"))
                        ? 200
                    : item.contains(QStringLiteral("停车")) ? 150
                                                            : 100;
                w.add({v.id, v.plate, item, streetAddress(m_rng), driverOf(v), day(someDay()), fine,
                       memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool complaints()
    {
        TableWriter w(m_db, tableOf(u"ts"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_TStype"), QStringLiteral("F_TSname"),
                       QStringLiteral("F_TSempname"), QStringLiteral("F_TSdate"),
                       QStringLiteral("F_TSreason"), QStringLiteral("F_memo1")});
        static const QStringList reasons = {
            QStringLiteral("接送迟到二十分钟"), QStringLiteral("行车途中接打电话"),
            QStringLiteral("车内有烟味"), QStringLiteral("对乘客态度生硬")};
        for (int i = 0; i < int(m_vehicles.size()); ++i) {
            const Vehicle &v = m_vehicles[i];
            const int n = i % 4 == 2 ? qMax(1, m_rng.count(1.2 * m_years)) : 0;
            for (int k = 0; k < n; ++k) {
                w.add({v.id, v.plate, m_rng.pick(codes("tstype")),
                       m_staff.isEmpty() ? anyName(m_rng) : m_rng.pick(m_staff), driverOf(v),
                       day(someDay()), m_rng.pick(reasons), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool trips()
    {
        TableWriter w(
            m_db, tableOf(u"cc"),
            {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"), QStringLiteral("F_CCtype"),
             QStringLiteral("F_JSempname"), QStringLiteral("F_CCdept"),
             QStringLiteral("F_YCempname"), QStringLiteral("F_reason"), QStringLiteral("F_CCdate"),
             QStringLiteral("F_FHdate"), QStringLiteral("F_GLnum"), QStringLiteral("F_ZCprice"),
             QStringLiteral("F_YLnum"), QStringLiteral("F_SRprice"), QStringLiteral("F_memo1")});
        static const QStringList reasons = {
            QStringLiteral("送客户去机场"), QStringLiteral("到宁波分公司开会"),
            QStringLiteral("送货到仓库"),   QStringLiteral("市内办事"),
            QStringLiteral("接待来访客户"), QStringLiteral("上海出差")};
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(15 * m_years);
            for (int k = 0; k < n; ++k) {
                const QDate out = someDay();
                const double km = std::round(m_rng.real(10, 600));
                // A trip that started today may not be back yet.
                const QDate back = out.addDays(km > 300 ? m_rng.between(1, 3) : 0);
                const bool returned = back <= m_today && !(out == m_today && m_rng.chance(0.5));
                w.add({v.id, v.plate, m_rng.pick(codes("cctype")), driverOf(v),
                       m_rng.pick(codes("dept")),
                       m_staff.isEmpty() ? QString() : m_rng.pick(m_staff), m_rng.pick(reasons),
                       day(out), returned ? day(back) : NoDate::stored, km,
                       money(km * m_rng.real(0, 0.6)), money(km * (v.diesel ? 0.12 : 0.09)),
                       v.truck ? money(km * m_rng.real(1.5, 3)) : 0.0, memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool expenses()
    {
        TableWriter w(m_db, tableOf(u"fyzc"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_ZCtype"), QStringLiteral("F_ZCdate"),
                       QStringLiteral("F_ZCprice"), QStringLiteral("F_JSempname"),
                       QStringLiteral("F_memo1")});
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(6 * m_years);
            for (int k = 0; k < n; ++k) {
                w.add({v.id, v.plate, m_rng.pick(codes("zctype")), day(someDay()),
                       money(m_rng.real(20, 800)), driverOf(v), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    bool incomes()
    {
        TableWriter w(m_db, tableOf(u"fysr"),
                      {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"),
                       QStringLiteral("F_SRtype"), QStringLiteral("F_SRdate"),
                       QStringLiteral("F_SRprice"), QStringLiteral("F_JSempname"),
                       QStringLiteral("F_memo1")});
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(2 * m_years);
            for (int k = 0; k < n; ++k) {
                w.add({v.id, v.plate, m_rng.pick(codes("srtype")), day(someDay()),
                       money(m_rng.real(100, 3000)), driverOf(v), memo()});
                if (!check(w))
                    return false;
            }
        }
        return true;
    }

    // Fillings in date order, so that each one starts where the odometer stood at the last.
    bool refuelling()
    {
        TableWriter w(
            m_db, tableOf(u"yh"),
            {QStringLiteral("F_mainID"), QStringLiteral("F_CPcode"), QStringLiteral("F_YHtype"),
             QStringLiteral("F_JYdate"), QStringLiteral("F_JSempname"), QStringLiteral("F_beginLC"),
             QStringLiteral("F_endLC"), QStringLiteral("F_shijiLC"), QStringLiteral("F_YLnum"),
             QStringLiteral("F_DJprice"), QStringLiteral("F_totalPrice"),
             QStringLiteral("F_BGLyouhao"), QStringLiteral("F_MGLprice"),
             QStringLiteral("F_JYoffice"), QStringLiteral("F_memo1")});
        QStringList petrol = codes("yhtype");
        const QString diesel = petrol.isEmpty() ? QString() : petrol.takeLast();
        for (const Vehicle &v : m_vehicles) {
            const int n = m_rng.count(15 * m_years);
            QList<QDate> dates;
            for (int k = 0; k < n; ++k)
                dates << someDay();
            std::sort(dates.begin(), dates.end());
            double odometer = std::round(m_rng.real(5000, 150000));
            const QString fuel = v.diesel ? diesel : m_rng.pick(petrol);
            for (const QDate &d : dates) {
                const double distance = std::round(m_rng.real(200, 650));
                const double per100 = (v.diesel ? 14.0 : 8.5) * m_rng.real(0.85, 1.2);
                const double litres = money(distance * per100 / 100.0);
                const double price = money((v.diesel ? 7.2 : 7.8) * m_rng.real(0.95, 1.05));
                const double total = money(litres * price);
                w.add({v.id, v.plate, fuel, day(d), driverOf(v), odometer, odometer + distance,
                       distance, litres, price, total, money(litres / distance * 100.0),
                       money(total / distance), m_rng.pick(codes("jyoffice")), memo()});
                if (!check(w))
                    return false;
                odometer += distance;
            }
        }
        return true;
    }

    // An office's file receives its records as the days pass, so its record tables lie in date
    // order; the generator writes vehicle after vehicle. Renumbered in date order, the records
    // lie on disk as they would in a file grown over the months, which is what measurements
    // over a demo fleet need.
    bool inDateOrder()
    {
        static const char *const tables[][2] = {
            {"T_WXrec", "F_WXdate"}, {"T_TBrec", "F_TBdate"}, {"T_JFrec", "F_JFdate"},
            {"T_NSrec", "F_NSdate"}, {"T_SGrec", "F_SGdate"}, {"T_WZrec", "F_WZdate"},
            {"T_TSrec", "F_TSdate"}, {"T_CCrec", "F_CCdate"}, {"T_ZCrec", "F_ZCdate"},
            {"T_SRrec", "F_SRdate"}, {"T_YHrec", "F_JYdate"}};
        for (const auto &[table, date] : tables) {
            const QString script =
                QStringLiteral("CREATE TEMP TABLE demo_order AS SELECT * FROM %1 ORDER BY %2, F_ID;"
                               "UPDATE demo_order SET F_ID = rowid;"
                               "DELETE FROM %1;"
                               "INSERT INTO %1 SELECT * FROM demo_order ORDER BY F_ID;"
                               "DROP TABLE demo_order;")
                    .arg(QLatin1String(table), QLatin1String(date));
            if (!m_db.execScript(script, &m_error))
                return false;
        }
        return true;
    }

    // A dispatcher limited to two branch offices and a bookkeeper for the reports, both with the
    // empty password, so that the demo shows restricted operators.
    bool operators()
    {
        TableWriter ops(m_db, QStringLiteral("OperList"),
                        {QStringLiteral("F_Name"), QStringLiteral("F_PassWord"),
                         QStringLiteral("F_Mem"), QStringLiteral("F_flag"),
                         QStringLiteral("F_clFlag"), QStringLiteral("F_carS")});
        const QStringList offices = codes("gsoffice");
        const QStringList branches = offices.mid(1, 2);
        QStringList quoted;
        for (const QString &b : branches)
            quoted << u'\'' + b + u'\'';
        ops.add({QStringLiteral("调度员"), m_emptyPasswordCode, QStringLiteral("分公司车辆调度"), 0,
                 quoted.isEmpty() ? 0 : 1, quoted.join(u',')});
        ops.add({QStringLiteral("财务员"), m_emptyPasswordCode, QStringLiteral("费用统计"), 0, 0,
                 QString()});
        if (!check(ops))
            return false;
        const DbResult grants = m_db.exec(QStringLiteral(
            "INSERT INTO OperLimit (F_OperName, F_lmtName) "
            "SELECT '调度员', F_name FROM Limits WHERE F_code IN ('201', '202', '401') OR "
            "F_code LIKE '3%' UNION ALL "
            "SELECT '财务员', F_name FROM Limits WHERE F_code LIKE '4%' OR F_code = '102'"));
        if (!grants) {
            m_error = grants.error;
            return false;
        }
        return true;
    }

    // Logins on working days and some of the saves that the editors log.
    bool workLog()
    {
        TableWriter w(m_db, QStringLiteral("LogRec"),
                      {QStringLiteral("F_EmpName"), QStringLiteral("F_OperType"),
                       QStringLiteral("F_OperDate"), QStringLiteral("F_OperTime")});
        static const QStringList saves = {
            QStringLiteral("增加车辆维修记录！"), QStringLiteral("增加车辆出车记录！"),
            QStringLiteral("增加车辆油耗记录！"), QStringLiteral("修改车辆信息档案资料！"),
            QStringLiteral("增加车辆投保记录！"), QStringLiteral("增加车辆费用支出记录！")};
        const QStringList people = {QStringLiteral("admin"), QStringLiteral("调度员"),
                                    QStringLiteral("财务员")};
        for (QDate d = m_start; d <= m_today; d = d.addDays(1)) {
            if (d.dayOfWeek() > 5)
                continue;
            QTime t(8, m_rng.between(0, 40), m_rng.between(0, 59));
            const QString who = people.at(m_rng.below(int(people.size())));
            w.add({who, QStringLiteral("操作员登录成功！"), day(d),
                   t.toString(QStringLiteral("hh:mm:ss"))});
            for (int k = m_rng.below(3); k > 0; --k) {
                t = t.addSecs(m_rng.between(300, 7200));
                w.add({who, m_rng.pick(saves), day(d), t.toString(QStringLiteral("hh:mm:ss"))});
            }
            if (d.day() == 1) {
                w.add({QStringLiteral("admin"), QStringLiteral("压缩数据库！"), day(d),
                       t.addSecs(600).toString(QStringLiteral("hh:mm:ss"))});
            }
            if (!check(w))
                return false;
        }
        return true;
    }

    Db &m_db;
    const DemoOptions &m_options;
    DemoRandom m_rng;
    QDate m_today;
    QDate m_start;
    int m_days = 0;
    double m_years = 1;
    QHash<QString, QStringList> m_codes;
    QString m_emptyPasswordCode;
    QStringList m_drivers;
    QStringList m_staff;
    QStringList m_repairShops;
    QStringList m_insurers;
    QStringList m_collectors;
    std::vector<Vehicle> m_vehicles;
    QString m_error;
};

} // namespace

DemoData::DemoData(DemoOptions options) : m_options(std::move(options)) {}

bool DemoData::fill(Db &db, QString *error) const
{
    if (m_options.vehicles < 0 || m_options.months < 1) {
        if (error)
            *error = QStringLiteral("the fleet needs zero or more vehicles and at least one month");
        return false;
    }
    // A bigger page cache for this connection keeps the index inserts of a large fleet in memory.
    db.exec(QStringLiteral("PRAGMA cache_size = -262144"));
    Transaction transaction(db);
    if (!transaction.isActive()) {
        if (error)
            *error = db.lastError();
        return false;
    }
    Generator generator(db, m_options);
    if (!generator.run(error))
        return false;
    if (!transaction.commit()) {
        if (error)
            *error = db.lastError();
        return false;
    }
    return true;
}

bool DemoData::create(const DatabaseCreator &creator, const QString &path,
                      const DemoOptions &options, SeedReport *counts, QString *error)
{
    if (!creator.create(path, error))
        return false;
    bool ok = false;
    {
        Db db;
        ok = db.open(path, QString::fromLatin1(Db::DefaultKey), error) &&
             DemoData(options).fill(db, error);
        if (ok && counts)
            *counts = tableCounts(db);
    }
    if (!ok) {
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
    }
    return ok;
}

SeedReport DemoData::tableCounts(Db &db)
{
    SeedReport counts;
    const QueryResult tables =
        db.query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                "name NOT LIKE 'sqlite%' ORDER BY rowid"));
    for (int i = 0; i < tables.rows.rowCount(); ++i) {
        const QString table = tables.rows.text(i, 0);
        const QueryResult n = db.query(QStringLiteral("SELECT count(*) FROM %1").arg(table));
        counts.append({table, n ? n.rows.integer(0, 0) : -1});
    }
    return counts;
}
