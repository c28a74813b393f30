#include "DemoText.h"

#include <QDate>

namespace {

const QStringList Surnames = {
    QStringLiteral("王"), QStringLiteral("李"), QStringLiteral("张"), QStringLiteral("刘"),
    QStringLiteral("陈"), QStringLiteral("杨"), QStringLiteral("黄"), QStringLiteral("赵"),
    QStringLiteral("吴"), QStringLiteral("周"), QStringLiteral("徐"), QStringLiteral("孙"),
    QStringLiteral("马"), QStringLiteral("朱"), QStringLiteral("胡"), QStringLiteral("郭"),
    QStringLiteral("何"), QStringLiteral("高"), QStringLiteral("林"), QStringLiteral("罗"),
    QStringLiteral("郑"), QStringLiteral("梁"), QStringLiteral("谢"), QStringLiteral("宋"),
    QStringLiteral("唐"), QStringLiteral("许"), QStringLiteral("韩"), QStringLiteral("冯"),
    QStringLiteral("邓"), QStringLiteral("曹")};

const QString GivenChars = QStringLiteral("伟芳娜敏静强磊军洋勇艳杰涛明超秀霞平刚桂华飞鹏辉斌宇浩凯"
                                          "健俊峰建国新文志海波宁琳");

} // namespace

namespace DemoText {

qint64 nameCount()
{
    return qint64(Surnames.size()) * GivenChars.size() * GivenChars.size();
}

// The k-th of the distinct names surname + one or two given characters.
QString personName(qint64 k)
{
    const qint64 surnames = Surnames.size();
    const qint64 given = GivenChars.size();
    QString name = Surnames.at(int(k % surnames)) + GivenChars.at(int((k / surnames) % given));
    const int second = int((k / (surnames * given)) % given);
    if (second != 0)
        name += GivenChars.at(second);
    return name;
}

// A name for people who appear only once (contacts, complainants, other parties).
QString anyName(DemoRandom &rng)
{
    return personName(rng.below(int(Surnames.size() * GivenChars.size() * GivenChars.size())));
}

namespace {
const QString PlateLetters = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ");
} // namespace

QChar plateLetter(int i)
{
    return PlateLetters.at(i % PlateLetters.size());
}

// Distinct plates for distinct k below 100000: five digits from a permutation of k, one of them
// sometimes shown as the letter that stands for it.
QString plateNumber(qint64 k, quint64 seed)
{
    const qint64 n = (k * 48271 + qint64((seed * 0x9E3779B97F4A7C15ull >> 40) % 100000)) % 100000;
    QString tail = QStringLiteral("%1").arg(n, 5, 10, QChar(u'0'));
    if (n % 3 == 0)
        tail[2] = PlateLetters.at(tail.at(2).digitValue());
    if (k >= 100000)
        tail[0] = PlateLetters.at(int(10 + (k / 100000) % 14));
    return tail;
}

// The 18-digit resident identity number with its check character.
QString identityNumber(DemoRandom &rng, const QDate &birth)
{
    static const int weights[] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    static const char checks[] = "10X98765432";
    static const char *regions[] = {"330102", "330106", "330203", "330302", "340102", "360302"};
    QString id = QLatin1String(regions[rng.below(6)]) + birth.toString(QStringLiteral("yyyyMMdd")) +
                 rng.digits(3);
    int sum = 0;
    for (int i = 0; i < 17; ++i)
        sum += id.at(i).digitValue() * weights[i];
    return id + QLatin1Char(checks[sum % 11]);
}

QString handPhone(DemoRandom &rng)
{
    static const char *heads[] = {"135", "136", "137", "138", "139", "150", "158", "186", "189"};
    return QLatin1String(heads[rng.below(9)]) + rng.digits(8);
}

QString officePhone(DemoRandom &rng)
{
    return QStringLiteral("0571-8") + rng.digits(7);
}

QString streetAddress(DemoRandom &rng)
{
    static const QStringList streets = {
        QStringLiteral("杭州市西湖区文三路"),   QStringLiteral("杭州市拱墅区莫干山路"),
        QStringLiteral("杭州市滨江区江南大道"), QStringLiteral("杭州市上城区解放路"),
        QStringLiteral("宁波市海曙区中山西路"), QStringLiteral("温州市鹿城区人民路"),
        QStringLiteral("杭州市余杭区文一西路"), QStringLiteral("杭州市萧山区市心路")};
    return rng.pick(streets) + QString::number(rng.between(1, 899)) + QStringLiteral("号");
}

} // namespace DemoText
