#include "ReportTemplate.h"

#include "ReportTables.h"
#include "ReportValueProvider.h"
#include "app/AppPaths.h"
#include "app/Globals.h"
#include "app/Platform.h"
#include "db/DataSet.h"
#include "grids/CellFormatter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <vector>

namespace {

constexpr int MaxIncludeDepth = 4;

struct Node {
    enum Kind { Text, Field, RowNo, Rows, Table, Cards } kind;
    QString text;               // Text
    int column = -1;            // Field
    CellFormatter formatter;    // Field
    std::vector<Node> children; // Rows
};

class Compiler {
public:
    Compiler(const ReportData &data, const QString &title) : m_data(data), m_title(title) {}

    std::vector<Node> compile(const QString &source)
    {
        qsizetype pos = 0;
        return parse(source, pos, false, 0);
    }

private:
    std::vector<Node> parse(const QString &source, qsizetype &pos, bool inRows, int depth)
    {
        std::vector<Node> nodes;
        auto text = [&](const QString &value) {
            if (value.isEmpty())
                return;
            if (!nodes.empty() && nodes.back().kind == Node::Text)
                nodes.back().text += value;
            else
                nodes.push_back({Node::Text, value});
        };
        int nested = 0; // row blocks opened inside this one
        while (pos < source.size()) {
            const qsizetype open = source.indexOf(QLatin1String("{{"), pos);
            const qsizetype close = open < 0 ? -1 : source.indexOf(QLatin1String("}}"), open + 2);
            if (open < 0 || close < 0) {
                text(source.mid(pos));
                pos = source.size();
                break;
            }
            text(source.mid(pos, open - pos));
            pos = close + 2;
            const QString tag = source.mid(open + 2, close - open - 2).trimmed();

            if (tag.compare(QLatin1String("#rows"), Qt::CaseInsensitive) == 0) {
                // Row blocks do not nest: one inside a block is part of its row. Repeating it
                // for every row would repeat the row rows^depth times.
                if (inRows) {
                    ++nested;
                    continue;
                }
                Node rows{Node::Rows};
                rows.children = parse(source, pos, true, depth);
                nodes.push_back(std::move(rows));
            } else if (tag.compare(QLatin1String("/rows"), Qt::CaseInsensitive) == 0) {
                if (inRows && nested > 0)
                    --nested;
                else if (inRows)
                    return nodes;
                // A stray end of block is dropped.
            } else if (tag.startsWith(u'>')) {
                const QString included = include(tag.mid(1).trimmed(), depth);
                qsizetype inner = 0;
                for (Node &node : parse(included, inner, inRows, depth + 1)) {
                    if (node.kind == Node::Text)
                        text(node.text);
                    else
                        nodes.push_back(std::move(node));
                }
            } else if (tag.compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
                nodes.push_back({Node::Table});
            } else if (tag.compare(QLatin1String("cards"), Qt::CaseInsensitive) == 0) {
                nodes.push_back({Node::Cards});
            } else if (inRows && tag.compare(QLatin1String("RowNo"), Qt::CaseInsensitive) == 0) {
                nodes.push_back({Node::RowNo});
            } else {
                placeholder(tag, nodes, text);
            }
        }
        return nodes;
    }

    template <typename TextAppender>
    void placeholder(const QString &tag, std::vector<Node> &nodes, TextAppender &text)
    {
        QString name = tag;
        QString format;
        bool explicitFormat = false;
        const qsizetype bar = tag.indexOf(u'|');
        if (bar >= 0) {
            name = tag.left(bar).trimmed();
            format = tag.mid(bar + 1).trimmed();
            explicitFormat = true;
        }
        const bool sum = name.startsWith(QLatin1String("sum:"), Qt::CaseInsensitive);
        if (sum)
            name = name.mid(4).trimmed();
        const int column = m_data.data ? m_data.data->fieldIndex(name) : -1;
        if (!explicitFormat)
            format = columnFormat(name);

        if (sum) {
            if (column >= 0)
                text(ReportTables::escape(
                    CellFormatter(format).numberText(m_data.data->sum(column))));
            return;
        }
        if (column >= 0) {
            Node field{Node::Field};
            field.column = column;
            field.formatter = CellFormatter(format);
            nodes.push_back(std::move(field));
            return;
        }
        text(ReportTables::escape(variable(name)));
    }

    QString columnFormat(const QString &field) const
    {
        for (const GridColumn &column : m_data.columns) {
            if (column.fieldName.compare(field, Qt::CaseInsensitive) == 0)
                return column.displayFormat;
        }
        return {};
    }

    QString variable(const QString &name) const
    {
        if (m_data.provider) {
            const QString answer = m_data.provider->reportValue(name);
            if (!answer.isNull())
                return answer;
        }
        auto is = [&](const char *builtIn) {
            return name.compare(QLatin1String(builtIn), Qt::CaseInsensitive) == 0;
        };
        if (is("title"))
            return m_title;
        if (is("PrintDate"))
            return platform().today().toString(QStringLiteral("yyyy年MM月dd日"));
        if (is("CompanyName") || is("sCurKHname"))
            return Globals::CompanyName;
        if (is("RowCount"))
            return QString::number(m_data.data ? m_data.data->rowCount() : 0);
        return {};
    }

    static QString include(const QString &name, int depth)
    {
        static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_]+$"));
        if (depth >= MaxIncludeDepth || !valid.match(name).hasMatch())
            return {};
        return ReportTemplate::load(name);
    }

    const ReportData &m_data;
    QString m_title;
};

class Renderer {
public:
    Renderer(const ReportData &data, int rowLimit) : m_data(data), m_rowLimit(rowLimit) {}

    // With parts, top-level tables and cards become parts of their own.
    void render(const std::vector<Node> &nodes, int row, QString &out,
                std::vector<ReportTemplate::Part> *parts = nullptr) const
    {
        for (const Node &node : nodes) {
            switch (node.kind) {
            case Node::Text:
                out += node.text;
                break;
            case Node::Field:
                if (row >= 0)
                    out += ReportTables::escape(node.formatter.text(
                        m_data.data->rows(), m_data.data->sourceRow(row), node.column));
                break;
            case Node::RowNo:
                out += QString::number(row + 1);
                break;
            case Node::Rows:
                if (m_data.data) {
                    const int rows = m_rowLimit >= 0 ? std::min(m_rowLimit, m_data.data->rowCount())
                                                     : m_data.data->rowCount();
                    for (int r = 0; r < rows; ++r)
                        render(node.children, r, out);
                }
                break;
            case Node::Table:
            case Node::Cards:
                if (parts) {
                    parts->push_back({ReportTemplate::Part::Html, out});
                    parts->push_back({node.kind == Node::Table ? ReportTemplate::Part::Table
                                                               : ReportTemplate::Part::Cards,
                                      {}});
                    out.clear();
                } else if (node.kind == Node::Table) {
                    out += ReportTables::table(m_data, m_rowLimit);
                } else {
                    out += ReportTables::cards(m_data, m_rowLimit);
                }
                break;
            }
        }
    }

    // Outside a row block fields show the current row (the first when there is none).
    int currentRow() const
    {
        if (!m_data.data || m_data.data->isEmpty())
            return -1;
        return std::max(0, m_data.data->currentRow());
    }

private:
    const ReportData &m_data;
    int m_rowLimit;
};

} // namespace

const QStringList &ReportTemplate::customVariables()
{
    static const QStringList names{QStringLiteral("sCurKHname"), QStringLiteral("memoDate"),
                                   QStringLiteral("memoCaption")};
    return names;
}

QString ReportTemplate::title(const QString &source)
{
    static const QRegularExpression pattern(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(source);
    if (!match.hasMatch())
        return {};
    return QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().trimmed();
}

QString ReportTemplate::load(const QString &name)
{
    QFile file(AppPaths::reportTemplate(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString ReportTemplate::render(const QString &source, const ReportData &data, int rowLimit)
{
    Compiler compiler(data, title(source));
    const std::vector<Node> nodes = compiler.compile(source);
    const Renderer renderer(data, rowLimit);
    QString out;
    out.reserve(source.size() * 2);
    renderer.render(nodes, renderer.currentRow(), out);
    return out;
}

std::vector<ReportTemplate::Part> ReportTemplate::renderParts(const QString &source,
                                                              const ReportData &data)
{
    Compiler compiler(data, title(source));
    const std::vector<Node> nodes = compiler.compile(source);
    const Renderer renderer(data, -1);
    std::vector<Part> parts;
    QString out;
    renderer.render(nodes, renderer.currentRow(), out, &parts);
    parts.push_back({Part::Html, out});
    return parts;
}
