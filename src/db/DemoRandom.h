#pragma once
#include <QString>
#include <QStringList>

// splitmix64: tiny, fast and the same on every platform, which std's distributions are not.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    double real(double low, double high)
    {
        return low + (high - low) * double(next() >> 11) / double(1ull << 53);
    }
    bool chance(double p) { return real(0, 1) < p; }
    const QString &pick(const QStringList &list)
    {
        static const QString none;
        return list.isEmpty() ? none : list.at(below(int(list.size())));
    }
    QString digits(int count)
    {
        QString s;
        s.reserve(count);
        for (int i = 0; i < count; ++i)
            s.append(QChar(u'0' + below(10)));
        return s;
    }
    // How many events of a kind fall in the period: the mean, spread from half to one and a half.
    int count(double mean) { return int(mean * real(0.5, 1.5) + 0.5); }

private:
    quint64 m_state;
};
