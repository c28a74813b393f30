#include "DataSet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace {

bool isNumeric(ResultSet::Kind k)
{
    return k == ResultSet::Kind::Integer || k == ResultSet::Kind::Real;
}

int compareCells(const ResultSet &rs, int a, int b, int column)
{
    const ResultSet::Kind ka = rs.kind(a, column);
    const ResultSet::Kind kb = rs.kind(b, column);
    if (ka == ResultSet::Kind::Null || kb == ResultSet::Kind::Null)
        return ka == kb ? 0 : (ka == ResultSet::Kind::Null ? -1 : 1);
    if (isNumeric(ka) && isNumeric(kb)) {
        if (ka == ResultSet::Kind::Integer && kb == ResultSet::Kind::Integer) {
            const qint64 x = rs.integer(a, column), y = rs.integer(b, column);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        const double x = rs.number(a, column), y = rs.number(b, column);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (ka == ResultSet::Kind::Text && kb == ResultSet::Kind::Text)
        return rs.textView(a, column).compare(rs.textView(b, column), Qt::CaseInsensitive);
    return rs.text(a, column).compare(rs.text(b, column), Qt::CaseInsensitive);
}

bool sameValue(const ResultSet &rs, int row, int column, const QVariant &value,
               DataSet::Match match)
{
    const ResultSet::Kind k = rs.kind(row, column);
    if (!value.isValid() || value.isNull())
        return k == ResultSet::Kind::Null;
    if (isNumeric(k)) {
        bool ok = false;
        const double wanted = value.toDouble(&ok);
        return ok && rs.number(row, column) == wanted;
    }
    const Qt::CaseSensitivity cs =
        match == DataSet::Match::CaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (k == ResultSet::Kind::Text)
        return rs.textView(row, column).compare(value.toString(), cs) == 0;
    return rs.text(row, column).compare(value.toString(), cs) == 0;
}

// Folds like a case-insensitive compare, one UTF-16 unit at a time; texts that compare equal
// but hash apart only cost a second entry, ranks() below still gives them one rank.
struct FoldedHash {
    std::size_t operator()(QStringView text) const
    {
        std::size_t h = 1469598103934665603ull;
        for (const QChar c : text)
            h = (h ^ c.toCaseFolded().unicode()) * 1099511628211ull;
        return h;
    }
};
struct FoldedEqual {
    bool operator()(QStringView a, QStringView b) const
    {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }
};

// The rank of each row's text in case-insensitive order (equal texts share a rank, nulls rank
// -1), or nothing when the column holds other kinds than texts and nulls. A sort of a million
// rows then compares integers instead of reaching into the text pool at random, and compares
// texts only once per distinct value.
std::vector<int> textRanks(const ResultSet &rs, int column)
{
    const int rows = rs.rowCount();
    for (int row = 0; row < rows; ++row) {
        const ResultSet::Kind k = rs.kind(row, column);
        if (k != ResultSet::Kind::Text && k != ResultSet::Kind::Null)
            return {};
    }
    std::unordered_map<QStringView, int, FoldedHash, FoldedEqual> ids;
    std::vector<QStringView> distinct;
    std::vector<int> ranks(std::size_t(rows), -1);
    for (int row = 0; row < rows; ++row) {
        if (rs.kind(row, column) != ResultSet::Kind::Text)
            continue;
        const QStringView text = rs.textView(row, column);
        const auto [it, added] = ids.try_emplace(text, int(distinct.size()));
        if (added)
            distinct.push_back(text);
        ranks[std::size_t(row)] = it->second;
    }
    std::vector<int> byText(distinct.size());
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(), [&](int a, int b) {
        return distinct[std::size_t(a)].compare(distinct[std::size_t(b)], Qt::CaseInsensitive) < 0;
    });
    std::vector<int> rankOfId(distinct.size());
    int rank = 0;
    for (std::size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && distinct[std::size_t(byText[i - 1])].compare(distinct[std::size_t(byText[i])],
                                                                  Qt::CaseInsensitive) != 0)
            ++rank;
        rankOfId[std::size_t(byText[i])] = rank;
    }
    for (int &r : ranks)
        if (r >= 0)
            r = rankOfId[std::size_t(r)];
    return ranks;
}

// The numbers of a column of numbers and nulls (nulls as NaN), or nothing when the column holds
// texts or integers too large to be exact as doubles; sorted like textRanks().
std::vector<double> numberKeys(const ResultSet &rs, int column)
{
    constexpr qint64 exact = qint64(1) << 53;
    const int rows = rs.rowCount();
    std::vector<double> keys(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        switch (rs.kind(row, column)) {
        case ResultSet::Kind::Null:
            keys[std::size_t(row)] = std::numeric_limits<double>::quiet_NaN();
            break;
        case ResultSet::Kind::Real:
            keys[std::size_t(row)] = rs.number(row, column);
            break;
        case ResultSet::Kind::Integer: {
            const qint64 v = rs.integer(row, column);
            if (v >= exact || v <= -exact)
                return {};
            keys[std::size_t(row)] = double(v);
            break;
        }
        default:
            return {};
        }
    }
    return keys;
}

int compareNumbers(double x, double y)
{
    const bool nx = std::isnan(x), ny = std::isnan(y);
    if (nx || ny)
        return nx == ny ? 0 : (nx ? -1 : 1);
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace

DataSet::DataSet(QObject *parent) : QObject(parent) {}

void DataSet::setStatement(const QString &sql, const SqlParams &params)
{
    m_sql = sql;
    m_params = params;
}

void DataSet::setRows(ResultSet rows)
{
    m_rows = std::move(rows);
    ++m_revision;
    m_order.resize(std::size_t(m_rows.rowCount()));
    std::iota(m_order.begin(), m_order.end(), 0);
    m_active = true;
    applySort();
    m_current = m_order.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_order.empty();
    emit rowsReset();
    emit currentChanged(m_current);
}

void DataSet::clear()
{
    setRows(ResultSet());
    m_active = false;
}

QVariant DataSet::value(int row, QStringView field) const
{
    const int column = fieldIndex(field);
    return column < 0 ? QVariant() : value(row, column);
}

QString DataSet::text(int row, QStringView field) const
{
    const int column = fieldIndex(field);
    return column < 0 ? QString() : text(row, column);
}

QVariant DataSet::fieldValue(QStringView field) const
{
    return m_current < 0 ? QVariant() : value(m_current, field);
}

QString DataSet::fieldText(QStringView field) const
{
    return m_current < 0 ? QString() : text(m_current, field);
}

void DataSet::setValue(int row, int column, const QVariant &value)
{
    m_rows.setValue(sourceRow(row), column, value);
    ++m_revision;
    emit rowChanged(row);
}

int DataSet::appendRow()
{
    const int source = m_rows.appendRow();
    ++m_revision;
    m_order.push_back(source);
    emit rowsReset();
    setCurrent(int(m_order.size()) - 1, false, false);
    return m_current;
}

void DataSet::setCurrent(int row, bool bof, bool eof)
{
    const bool moved = row != m_current;
    m_current = row;
    m_bof = bof;
    m_eof = eof;
    if (moved)
        emit currentChanged(m_current);
}

void DataSet::first()
{
    setCurrent(m_order.empty() ? -1 : 0, true, m_order.empty());
}

void DataSet::last()
{
    setCurrent(int(m_order.size()) - 1, m_order.empty(), true);
}

void DataSet::next()
{
    if (m_order.empty() || m_current >= int(m_order.size()) - 1)
        setCurrent(m_current, m_bof && m_order.empty(), true);
    else
        setCurrent(m_current + 1, false, false);
}

void DataSet::prior()
{
    if (m_order.empty() || m_current <= 0)
        setCurrent(m_current, true, m_eof && m_order.empty());
    else
        setCurrent(m_current - 1, false, false);
}

bool DataSet::moveTo(int row)
{
    if (row < 0 || row >= int(m_order.size()))
        return false;
    setCurrent(row, false, false);
    return true;
}

int DataSet::find(QStringView field, const QVariant &value, Match match) const
{
    const int column = fieldIndex(field);
    if (column < 0)
        return -1;
    for (int row = 0; row < int(m_order.size()); ++row)
        if (sameValue(m_rows, m_order[std::size_t(row)], column, value, match))
            return row;
    return -1;
}

bool DataSet::locate(QStringView field, const QVariant &value, Match match)
{
    const int row = find(field, value, match);
    if (row < 0)
        return false;
    setCurrent(row, false, false);
    return true;
}

void DataSet::setSort(const QString &sortText)
{
    const int currentSource = m_current >= 0 ? sourceRow(m_current) : -1;
    m_sortText = sortText;
    applySort();
    emit rowsReset();
    if (currentSource >= 0) {
        const auto it = std::find(m_order.begin(), m_order.end(), currentSource);
        m_current = int(it - m_order.begin());
        emit currentChanged(m_current);
    }
}

void DataSet::applySort()
{
    std::iota(m_order.begin(), m_order.end(), 0);
    struct Key {
        int column;
        bool descending;
        std::vector<int> ranks;      // text columns: the rank of each storage row
        std::vector<double> numbers; // number columns: the value of each storage row
    };
    std::vector<Key> keys;
    for (const SortKey &k : SortSpec::parse(m_sortText)) {
        const int column = m_rows.columnIndex(k.field);
        if (column < 0)
            continue;
        Key key{column, k.descending, textRanks(m_rows, column), {}};
        if (key.ranks.empty())
            key.numbers = numberKeys(m_rows, column);
        keys.push_back(std::move(key));
    }
    if (keys.empty())
        return;
    const ResultSet &rs = m_rows;
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        for (const Key &k : keys) {
            int c;
            if (!k.ranks.empty()) {
                const int x = k.ranks[std::size_t(a)], y = k.ranks[std::size_t(b)];
                c = x < y ? -1 : (x > y ? 1 : 0);
            } else if (!k.numbers.empty()) {
                c = compareNumbers(k.numbers[std::size_t(a)], k.numbers[std::size_t(b)]);
            } else {
                c = compareCells(rs, a, b, k.column);
            }
            if (c != 0)
                return k.descending ? c > 0 : c < 0;
        }
        return false;
    });
}

double DataSet::sum(int column) const
{
    double total = 0.0;
    const int rows = m_rows.rowCount();
    for (int row = 0; row < rows; ++row)
        total += m_rows.number(row, column);
    return total;
}
