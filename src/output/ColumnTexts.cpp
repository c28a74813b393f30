#include "ColumnTexts.h"

#include "db/DataSet.h"

ColumnTexts::ColumnTexts(const std::vector<GridColumn> &columns, const DataSet &data)
    : m_columns(columns), m_data(data)
{
    m_fields.reserve(columns.size());
    m_formatters.reserve(columns.size());
    for (const GridColumn &column : columns) {
        m_fields.push_back(data.fieldIndex(column.fieldName));
        m_formatters.emplace_back(column.displayFormat);
    }
}

QString ColumnTexts::cell(int row, int column) const
{
    const int field = m_fields[std::size_t(column)];
    if (field < 0)
        return {};
    return m_formatters[std::size_t(column)].text(m_data.rows(), m_data.sourceRow(row), field);
}

QString ColumnTexts::footer(int column) const
{
    const GridColumn &grid = m_columns[std::size_t(column)];
    switch (grid.footerType) {
    case GridColumn::Footer::Text:
        return grid.footerValue;
    case GridColumn::Footer::Sum: {
        const int field = m_fields[std::size_t(column)];
        return field < 0 ? QString()
                         : m_formatters[std::size_t(column)].numberText(m_data.sum(field));
    }
    case GridColumn::Footer::None:
        break;
    }
    return {};
}
