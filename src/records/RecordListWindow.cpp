#include "RecordListWindow.h"

#include "RecordEditor.h"
#include "RecordGridColumns.h"
#include "RecordStatements.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Messages.h"
#include "app/Platform.h"
#include "app/WindowPlacement.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "output/PrintReport.h"
#include "widgets/DatePicker.h"
#include "widgets/DateRangeCaption.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

RecordListWindow::RecordListWindow(const RecordKind &kind, QWidget *parent)
    : ListWindow(kind.listClass(), kind.listCaption, kind.layoutKey(), parent), m_kind(kind)
{
    setTools({Tools::New, Tools::Edit, Tools::Delete, Tools::Separator, Tools::First, Tools::Prior,
              Tools::Next, Tools::Last, Tools::Separator, Tools::Print, Tools::Design,
              Tools::Export.named(QStringLiteral("ToolButton1")), Tools::Separator, Tools::Exit});
    setReport(kind.reportName());
    setExportTitle(kind.exportTitle);
    setCountLabel(CountLabel);
    setFilterBar(buildFilterBar());
    addGroupPanel([this] { RefreshRecords(); })->setTypes(RecordStatements::groupTypes(kind));
    grid()->setColumns(RecordGridColumns::design(kind));
    if (kind.word == QLatin1String("sg"))
        addReportMenus();

    const auto on = [this](const ToolAction &tool, void (RecordListWindow::*handler)()) {
        connect(action(tool.objectName), &QAction::triggered, this, handler);
    };
    setDelete(kind.table, [this] { return m_kind.deleteQuestion(rows()->fieldText(u"F_CPcode")); });
    setEditor([&kind](QWidget *parent) { return new RecordEditor(kind, parent); });
    resize(721, 501);
}

QWidget *RecordListWindow::buildFilterBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    QStringList types;
    for (const RecordSearch &search : m_kind.searches)
        types << search.caption;
    const SearchInputs search = addSearchInputs(row, bar, types);
    ComboBox1 = search.type;
    Edit1 = search.text;
    dtpFromDate = new DatePicker(bar);
    dtpFromDate->setObjectName(QStringLiteral("dtpFromDate"));
    dtpToDate = new DatePicker(bar);
    dtpToDate->setObjectName(QStringLiteral("dtpToDate"));
    for (DatePicker *picker : {dtpFromDate, dtpToDate}) {
        picker->setCheckable(true);
        picker->setChecked(true);
    }
    auto *query = new QToolButton(bar);
    query->setObjectName(QStringLiteral("SpeedButton1"));
    query->setText(QStringLiteral("查询"));

    row->addWidget(new QLabel(m_kind.dateLabel, bar));
    row->addWidget(dtpFromDate);
    row->addWidget(new QLabel(QStringLiteral("至"), bar));
    row->addWidget(dtpToDate);
    row->addWidget(query);

    // Edit1Change: the text, either date and 查询 all query again.
    connect(Edit1, &QLineEdit::textChanged, this, &RecordListWindow::RefreshRecords);
    for (DatePicker *picker : {dtpFromDate, dtpToDate}) {
        connect(picker, &DatePicker::dateChanged, this, &RecordListWindow::RefreshRecords);
        connect(picker, &DatePicker::checkedChanged, this, &RecordListWindow::RefreshRecords);
    }
    connect(query, &QToolButton::clicked, this, &RecordListWindow::RefreshRecords);
    return bar;
}

void RecordListWindow::setOpeningPeriod(const QDate &from, const QDate &to)
{
    m_openFrom = from;
    m_openTo = to;
}

void RecordListWindow::firstShow()
{
    const QDate today = platform().now().date();
    for (DatePicker *picker : {dtpFromDate, dtpToDate})
        picker->blockSignals(true);
    dtpFromDate->setDate(m_openFrom.isValid() ? m_openFrom : QDate(today.year(), today.month(), 1));
    dtpToDate->setDate(m_openTo.isValid() ? m_openTo : today);
    for (DatePicker *picker : {dtpFromDate, dtpToDate})
        picker->blockSignals(false);
    groupPanel()->fillGroupList(0);
    RecordGridColumns::applyFormats(grid(), m_kind);
}

void RecordListWindow::RefreshRecords()
{
    RecordStatements::Filter filter;
    if (dtpFromDate->isChecked())
        filter.from = dtpFromDate->date();
    if (dtpToDate->isChecked())
        filter.to = dtpToDate->date();
    filter.searchType = ComboBox1->currentIndex();
    filter.searchText = Edit1->text();
    openRows(RecordStatements::records(m_kind, filter, groupPanel()->filter()));
}

QString RecordListWindow::reportValue(const QString &name)
{
    if (name == QStringLiteral("memoDate"))
        return DateRangeCaption(dtpFromDate, dtpToDate, m_kind.datePrefix);
    return ListWindow::reportValue(name);
}

void RecordListWindow::addReportMenus()
{
    // The accident list prints and designs two templates; the button face does the first.
    const QString list = QStringLiteral("车辆事故记录列表");
    const QString table = QStringLiteral("车辆事故记录表格");
    const QString second = m_kind.reportName() + QLatin1Char('1');
    const auto menuOn = [this](QAction *button,
                               const QList<std::tuple<const char *, QString, QString>> &items,
                               bool design) {
        auto *menu = new QMenu(this);
        for (const auto &[name, caption, report] : items) {
            QAction *item = menu->addAction(caption);
            item->setObjectName(QString::fromLatin1(name));
            const QString templateName = report;
            connect(item, &QAction::triggered, this, [this, templateName, design] {
                if (design)
                    DesignReport(templateName, grid(), this);
                else
                    PrintReport(templateName, grid(), this);
            });
        }
        button->setMenu(menu);
        if (auto *tool = qobject_cast<QToolButton *>(
                findChild<QToolBar *>(QStringLiteral("ToolBar1"))->widgetForAction(button)))
            tool->setPopupMode(QToolButton::MenuButtonPopup);
    };
    menuOn(action(Tools::Print.objectName),
           {{"nPrint1", list, m_kind.reportName()}, {"nPrint2", table, second}}, false);
    menuOn(action(Tools::Design.objectName),
           {{"nSet1", list, m_kind.reportName()}, {"nSet2", table, second}}, true);
}
