#include "VehicleArchiveWindow.h"

#include "RecordPages.h"
#include "VehicleArchiveQuery.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Platform.h"
#include "app/WindowPlacement.h"
#include "db/RecordKinds.h"
#include "forms/DetailPages.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "records/RecordEditor.h"
#include "records/RecordGridColumns.h"
#include "vehicles/VehicleEditor.h"
#include "vehicles/VehicleFields.h"
#include "vehicles/VehicleGroups.h"
#include "vehicles/VehicleQueryDialog.h"
#include "widgets/WindowKeys.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int DetailHeight = 236;
}

VehicleArchiveWindow::VehicleArchiveWindow(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmCARman"), Caption, QStringLiteral("carman"), parent)
{
    setTools({Tools::New, Tools::Edit, Tools::Delete, Tools::Separator, Tools::First, Tools::Prior,
              Tools::Next, Tools::Last, Tools::Separator, Tools::Print, Tools::Design,
              Tools::Export, Tools::Separator, Tools::Exit});
    setReport(QStringLiteral("frCarMan"));
    setExportTitle(ExportTitle);
    setCountLabel(CountLabel);
    setFilterBar(buildSearchBar());
    addGroupPanel([this] { RefreshVehicles(); })->setTypes(VehicleGroups::all());
    grid()->markRowsWhere(QStringLiteral("F_useFlag"));
    resize(772, 563);

    m_details = new DetailPages;
    m_details->setPages(RecordPages::all());
    m_details->setMaster(rows());
    setDetailArea(m_details, DetailHeight);

    const auto on = [this](const ToolAction &tool, void (VehicleArchiveWindow::*handler)()) {
        connect(action(tool.objectName), &QAction::triggered, this, handler);
    };
    on(Tools::Delete, &VehicleArchiveWindow::tbDelClick);
    setEditor([](QWidget *parent) { return new VehicleEditor(parent); });
    connect(m_details, &DetailPages::newRequested, this,
            [this](int page) { openRecordEditor(page, false); });
    connect(m_details, &DetailPages::editRequested, this,
            [this](int page) { openRecordEditor(page, true); });
    // The editor reopens the list after a save; the count follows every reopening.
    connect(rows(), &DataSet::rowsReset, this, &VehicleArchiveWindow::showCount);
}

QWidget *VehicleArchiveWindow::buildSearchBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    QStringList types;
    for (const VehicleArchiveQuery::Search &search : VehicleArchiveQuery::searches())
        types << search.caption;
    const SearchInputs search = addSearchInputs(row, bar, types);
    ComboBox1 = search.type;
    Edit1 = search.text;
    bbFind = new QPushButton(QStringLiteral("查找(F3)"), bar);
    bbFind->setObjectName(QStringLiteral("bbFind"));
    bbFind->setAutoDefault(false);
    SpeedButton1 = new QToolButton(bar);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("高级查找..."));
    SpeedButton1->setCheckable(true);
    CheckBox2 = new QCheckBox(QStringLiteral("包含已停用"), bar);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    row->addWidget(bbFind);
    row->addWidget(SpeedButton1);
    row->addWidget(CheckBox2);

    connect(bbFind, &QPushButton::clicked, this, &VehicleArchiveWindow::RefreshVehicles);
    connect(SpeedButton1, &QToolButton::clicked, this, &VehicleArchiveWindow::SpeedButton1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &VehicleArchiveWindow::RefreshVehicles);
    keys()->bind(Qt::Key_F3, bbFind);
    // Enter in the search type goes on to the text; Enter in the text searches and goes back.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        keys()->bind(
            enter, [this] { Edit1->setFocus(); }, [this] { return ComboBox1->hasFocus(); });
        keys()->bind(
            enter,
            [this] {
                RefreshVehicles();
                ComboBox1->setFocus();
            },
            [this] { return Edit1->hasFocus(); });
    }
    return bar;
}

void VehicleArchiveWindow::firstShow()
{
    m_details->loadLayouts();
    applyColumnFormats();
    groupPanel()->fillGroupList(0);
}

void VehicleArchiveWindow::applyColumnFormats()
{
    grid()->setDisplayFormatWhere(
        [](const QString &lower) { return lower.contains(QLatin1String("price")); },
        Globals::AmountFormat);
    for (int i = 0; i < grid()->columnCount(); ++i) {
        if (const int row = VehicleFields::customCaptionRow(grid()->columnAt(i).fieldName)) {
            GridColumn column = grid()->columnAt(i);
            column.title = Globals::KeyValues.at(std::size_t(row));
            grid()->setColumn(i, column);
        }
    }
    for (int page = 0; page < m_details->pageCount(); ++page)
        RecordGridColumns::applyFormats(m_details->grid(page), RecordKinds::all().at(page));
}

void VehicleArchiveWindow::RefreshVehicles()
{
    setAdvancedDown(false);
    VehicleArchiveQuery::Filter filter;
    filter.searchType = ComboBox1->currentIndex();
    filter.searchText = Edit1->text();
    filter.outOfService = CheckBox2->isChecked();
    openRows(VehicleArchiveQuery::vehicles(filter, groupPanel()->filter()));
    m_details->openAll();
}

void VehicleArchiveWindow::SpeedButton1Click(bool down)
{
    if (!down) {
        setAdvancedDown(false);
        RefreshVehicles();
        return;
    }
    const SqlStatement query = VehicleQueryDialog(this).QueryText();
    setAdvancedDown(!query.sql.isEmpty());
    if (query.sql.isEmpty())
        return;
    openRows(query);
    m_details->openAll();
}

void VehicleArchiveWindow::setAdvancedDown(bool down)
{
    SpeedButton1->setChecked(down);
    QPalette look; // no role of its own: the button's usual caption colour
    if (down)
        look.setColor(QPalette::ButtonText, Qt::red);
    SpeedButton1->setPalette(look);
}

QString VehicleArchiveWindow::deleteQuestion(const QString &plate)
{
    return QStringLiteral("真的要删除车辆牌为 \"") + plate + QStringLiteral("\" 的信息资料吗？");
}

void VehicleArchiveWindow::tbDelClick()
{
    if (rows()->isEmpty() || rows()->currentRow() < 0)
        return;
    const QString question = deleteQuestion(rows()->fieldText(u"F_code"));
    if (platform().message(this, DeleteCaption, question, Platform::MessageKind::Question) !=
        Platform::Answer::Yes)
        return;
    // The vehicle's records stay in their tables.
    if (dm().DeleteById(QStringLiteral("T_cars"), rows()->fieldValue(u"F_ID").toLongLong()))
        dm().Requery(*rows());
}

void VehicleArchiveWindow::openRecordEditor(int page, bool change)
{
    RecordEditor editor(RecordKinds::all().at(page), this);
    DispFormPos(&editor, 1);
    editor.setSource(m_details->rows(page));
    editor.UseArchiveSource(true, rows());
    editor.OpenEditor(change);
}
