#include "ReportDesigner.h"

#include "PrintPreviewDialog.h"
#include "ReportPages.h"
#include "ReportTemplate.h"
#include "app/AppPaths.h"
#include "app/Messages.h"
#include "db/DataSet.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString SaveFailed = QStringLiteral("报表模板保存失败：");
const QString AskSave = QStringLiteral("报表模板已修改，是否保存？");
constexpr int InsertRole = Qt::UserRole;

struct Entry {
    const char *name;
    const char *description;
    const char *insert; // null: "{{name}}"
};

const Entry CustomEntries[] = {{"sCurKHname", "公司名称", nullptr},
                               {"memoDate", "统计日期范围", nullptr},
                               {"memoCaption", "报表说明", nullptr}};
const Entry SystemEntries[] = {{"title", "模板标题（<title>）", nullptr},
                               {"PrintDate", "打印日期", nullptr},
                               {"CompanyName", "公司名称", nullptr},
                               {"RowCount", "记录数", nullptr},
                               {"RowNo", "行号（在行块内）", nullptr}};
const Entry BlockEntries[] = {{"#rows", "行块：每条记录重复一次", "{{#rows}}\n{{/rows}}"},
                              {"table", "表格：全部显示字段及合计", "{{table}}"},
                              {"cards", "卡片：每条记录一组字段", "{{cards}}"},
                              {">_standard", "标准报表主体", "{{>_standard}}"}};

QTreeWidgetItem *addEntry(QTreeWidgetItem *parent, const QString &name, const QString &description,
                          const QString &insert)
{
    auto *item = new QTreeWidgetItem(parent, {name, description});
    item->setData(0, InsertRole, insert);
    return item;
}

} // namespace

ReportDesigner::ReportDesigner(const QString &templateName, ReportData data, QWidget *parent)
    : QDialog(parent), m_name(templateName), m_path(AppPaths::reportTemplate(templateName)),
      m_data(std::move(data))
{
    setObjectName(QStringLiteral("ReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计 - ") + templateName);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1100, 720);

    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(QStringLiteral("templateSource"));
    m_source->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_source->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_source->setPlainText(ReportTemplate::load(templateName));
    m_source->document()->setModified(false);

    m_fields = new QTreeWidget(this);
    m_fields->setObjectName(QStringLiteral("fieldList"));
    m_fields->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("说明")});
    m_fields->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    fillFields();
    connect(m_fields, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { insertItem(item); });

    m_preview = new QTextBrowser(this);
    m_preview->setObjectName(QStringLiteral("livePreview"));
    m_preview->setOpenLinks(false);

    auto *side = new QSplitter(Qt::Vertical, this);
    side->addWidget(m_fields);
    side->addWidget(m_preview);
    side->setStretchFactor(1, 2);
    auto *main = new QSplitter(Qt::Horizontal, this);
    main->addWidget(m_source);
    main->addWidget(side);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 2);

    auto *pathLabel = new QLabel(QDir::toNativeSeparators(m_path), this);
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(this);
    auto *save = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("btnSave"));
    auto *preview = buttons->addButton(QStringLiteral("预览"), QDialogButtonBox::ActionRole);
    preview->setObjectName(QStringLiteral("btnPreview"));
    auto *close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(save, &QPushButton::clicked, this, &ReportDesigner::save);
    connect(preview, &QPushButton::clicked, this, &ReportDesigner::showPrintPreview);
    connect(buttons, &QDialogButtonBox::rejected, this, &ReportDesigner::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &ReportDesigner::save);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(main, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(pathLabel, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    // The preview follows the typing, a moment after it pauses.
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(300);
    connect(m_previewTimer, &QTimer::timeout, this, &ReportDesigner::updatePreview);
    connect(m_source, &QPlainTextEdit::textChanged, m_previewTimer, qOverload<>(&QTimer::start));
    updatePreview();
}

void ReportDesigner::fillFields()
{
    auto *fields = new QTreeWidgetItem(m_fields, {QStringLiteral("数据集 frxDM")});
    if (m_data.data) {
        const ResultSet &rows = m_data.data->rows();
        for (int i = 0; i < rows.columnCount(); ++i) {
            const QString field = rows.columnName(i);
            QString title;
            for (const GridColumn &column : m_data.columns) {
                if (column.fieldName.compare(field, Qt::CaseInsensitive) == 0)
                    title = column.title;
            }
            addEntry(fields, field, title, QStringLiteral("{{%1}}").arg(field));
        }
    }
    auto addCategory = [this](const QString &caption, const auto &entries) {
        auto *category = new QTreeWidgetItem(m_fields, {caption});
        for (const Entry &entry : entries) {
            const QString name = QString::fromUtf8(entry.name);
            addEntry(category, name, QString::fromUtf8(entry.description),
                     entry.insert ? QString::fromUtf8(entry.insert)
                                  : QStringLiteral("{{%1}}").arg(name));
        }
    };
    addCategory(ReportTemplate::CustomCategory, CustomEntries);
    addCategory(QStringLiteral("系统变量"), SystemEntries);
    addCategory(QStringLiteral("模板标记"), BlockEntries);
    m_fields->expandAll();
}

void ReportDesigner::insertItem(QTreeWidgetItem *item)
{
    const QString insert = item->data(0, InsertRole).toString();
    if (insert.isEmpty())
        return;
    m_source->insertPlainText(insert);
    m_source->setFocus();
}

QString ReportDesigner::source() const
{
    return m_source->toPlainText();
}

bool ReportDesigner::isModified() const
{
    return m_source->document()->isModified();
}

void ReportDesigner::updatePreview()
{
    m_previewTimer->stop();
    const int scroll = m_preview->verticalScrollBar()->value();
    m_preview->setHtml(ReportTemplate::render(source(), m_data, PreviewRows));
    m_preview->verticalScrollBar()->setValue(scroll);
}

void ReportDesigner::showPrintPreview()
{
    ReportPages pages(ReportTemplate::renderParts(source(), m_data), m_data);
    const QString title = ReportTemplate::title(source());
    PrintPreviewDialog::preview(pages, title.isEmpty() ? m_name : title, this);
}

bool ReportDesigner::save()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(source().toUtf8()) >= 0 && file.commit()) {
        m_source->document()->setModified(false);
        return true;
    }
    ShowMess(this, SaveFailed + QDir::toNativeSeparators(m_path), 3);
    return false;
}

bool ReportDesigner::confirmClose()
{
    if (!isModified())
        return true;
    if (ShowMess(this, AskSave, 1) != 1)
        return true;
    return save();
}

void ReportDesigner::reject()
{
    if (confirmClose())
        QDialog::reject();
}
