#include "XlsxReader.h"

#include <QXmlStreamReader>
#include <unzip.h>

XlsxReader::XlsxReader(const QString &path) : m_path(path)
{
    const QByteArray sheet = entry(QStringLiteral("xl/worksheets/sheet1.xml"));
    if (sheet.isEmpty())
        return;
    readStrings(entry(QStringLiteral("xl/sharedStrings.xml")));
    readStyles(entry(QStringLiteral("xl/styles.xml")));
    readSheet(sheet);
    QXmlStreamReader book(entry(QStringLiteral("xl/workbook.xml")));
    while (!book.atEnd()) {
        book.readNext();
        if (book.isStartElement() && book.name() == QLatin1String("sheet")) {
            m_sheetName = book.attributes().value(QLatin1String("name")).toString();
            break;
        }
    }
    m_valid = true;
}

QByteArray XlsxReader::entry(const QString &name) const
{
    unzFile zip = unzOpen(m_path.toLocal8Bit().constData());
    if (!zip)
        return {};
    QByteArray data;
    if (unzLocateFile(zip, name.toUtf8().constData(), 0) == UNZ_OK &&
        unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[65536];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            data.append(buffer, read);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return data;
}

void XlsxReader::readStrings(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    QString current;
    bool inItem = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si")) {
            inItem = true;
            current.clear();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("t") && inItem) {
            current += reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == QLatin1String("si")) {
            m_strings << current;
            inItem = false;
        }
    }
}

void XlsxReader::readStyles(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    bool inCellXfs = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("numFmt")) {
            m_formats.insert(reader.attributes().value(QLatin1String("numFmtId")).toInt(),
                             reader.attributes().value(QLatin1String("formatCode")).toString());
        } else if (reader.isStartElement() && reader.name() == QLatin1String("cellXfs")) {
            inCellXfs = true;
        } else if (reader.isEndElement() && reader.name() == QLatin1String("cellXfs")) {
            inCellXfs = false;
        } else if (inCellXfs && reader.isStartElement() && reader.name() == QLatin1String("xf")) {
            m_cellFormats << reader.attributes().value(QLatin1String("numFmtId")).toInt();
        }
    }
}

void XlsxReader::readSheet(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    QString ref;
    Cell cell;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("row")) {
            m_rows = std::max(m_rows, reader.attributes().value(QLatin1String("r")).toInt());
        } else if (reader.isStartElement() && reader.name() == QLatin1String("c")) {
            ref = reader.attributes().value(QLatin1String("r")).toString();
            cell = Cell();
            cell.kind = reader.attributes().value(QLatin1String("t")).toString();
            if (cell.kind.isEmpty())
                cell.kind = QStringLiteral("n");
            cell.style = reader.attributes().value(QLatin1String("s")).toInt();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("v")) {
            const QString value = reader.readElementText();
            cell.value = cell.kind == QLatin1String("s") ? m_strings.value(value.toInt()) : value;
        } else if (reader.isStartElement() && reader.name() == QLatin1String("t")) {
            cell.value += reader.readElementText(); // inline string
        } else if (reader.isEndElement() && reader.name() == QLatin1String("c")) {
            m_cells.insert(ref, cell);
        }
    }
}

QString XlsxReader::numberFormat(const QString &ref) const
{
    const int id = m_cellFormats.value(m_cells.value(ref).style);
    if (m_formats.contains(id))
        return m_formats.value(id);
    switch (id) {
    case 0:
        return QStringLiteral("General");
    case 49:
        return QStringLiteral("@");
    default:
        return QStringLiteral("builtin:%1").arg(id);
    }
}
