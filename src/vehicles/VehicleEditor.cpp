#include "VehicleEditor.h"

#include "PicturePages.h"
#include "VehicleFields.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Messages.h"
#include "codes/CodePick.h"
#include "codes/CodePickButtons.h"
#include "db/DataSet.h"
#include "forms/EditorParts.h"
#include "forms/FieldInputs.h"
#include "forms/PictureSlot.h"
#include "widgets/CurrencyEdit.h"
#include "widgets/PickList.h"
#include "widgets/ReadOnlyLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString DriversSql = QStringLiteral("select F_name from t_employee where f_useFlag = false");

} // namespace

VehicleEditor::VehicleEditor(QWidget *parent)
    : EditorDialog(QStringLiteral("TfrmCARedit"), VehicleFields::Table,
                   {Title, QStringLiteral("增加车辆信息档案资料！"),
                    QStringLiteral("修改车辆信息档案资料！")},
                   parent)
{
    // Every input of the table, made once (the picture rows share their slot).
    for (const EditorField &row : VehicleFields::all())
        if (!input(row.control))
            FieldInputs::make(row.kind, row.control, body());
    static_cast<CurrencyEdit *>(input(QStringLiteral("ceBuyPrice")))->setDecimals(4);
    static_cast<QCheckBox *>(input(QStringLiteral("cbUseFlag")))->setText(QStringLiteral("停用否"));

    auto *top = new QHBoxLayout;
    top->addWidget(buildInputs(), 1);
    top->addWidget(buildPictures());
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addWidget(buildCustomFields());

    setFields(VehicleFields::all());
    setChecks({{QStringLiteral("edtCode"), EditorCheck::Rule::NotEmpty, EmptyPlateMessage},
               {QStringLiteral("edtCode"), EditorCheck::Rule::Custom, DuplicatePlateMessage,
                [this] { return plateIsFree(); }}});
    setNextRecordFocus(QStringLiteral("cbbPinPai"));
    CodePickButtons::connectAll(this);
    setTabOrder();
    resize(707, 490);
}

QWidget *VehicleEditor::buildInputs()
{
    auto *panel = new QWidget(body());
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto place = [&](int row, int column, const QString &label, const QString &control,
                           QWidget *after = nullptr, QWidget *afterThat = nullptr) {
        grid->addWidget(new QLabel(label, panel), row, column * 4);
        grid->addWidget(input(control), row, column * 4 + 1);
        if (after)
            grid->addWidget(after, row, column * 4 + 2);
        if (afterThat)
            grid->addWidget(afterThat, row, column * 4 + 3);
    };
    place(0, 0, QStringLiteral("车    牌："), QStringLiteral("edtCode"), requiredMark(panel));
    place(1, 0, QStringLiteral("型    号："), QStringLiteral("edtXingHao"));
    place(2, 0, QStringLiteral("发 动 机："), QStringLiteral("edtFDJcode"));
    place(3, 0, QStringLiteral("颜    色："), QStringLiteral("cbbYanSE"),
          pickButton(panel, "sbYanSE"));
    place(4, 0, QStringLiteral("座    位："), QStringLiteral("edtZuoWei"));
    place(5, 0, QStringLiteral("生产时间："), QStringLiteral("dtpSCdate"));
    place(6, 0, QStringLiteral("驾 驶 员："), QStringLiteral("cbbJSempname"));
    place(0, 1, QStringLiteral("品    牌："), QStringLiteral("cbbPinPai"),
          pickButton(panel, "sbPinPai"), requiredMark(panel));
    place(1, 1, QStringLiteral("车辆类型："), QStringLiteral("cbbType"),
          pickButton(panel, "sbType"));
    place(2, 1, QStringLiteral("底    盘："), QStringLiteral("edtDipan"));
    place(3, 1, QStringLiteral("载    重："), QStringLiteral("edtZaizhong"));
    place(4, 1, QStringLiteral("购买金额："), QStringLiteral("ceBuyPrice"));
    place(5, 1, QStringLiteral("购买时间："), QStringLiteral("dtpBuyDate"));
    place(6, 1, QStringLiteral("归属单位："), QStringLiteral("cbbGSoffice"),
          pickButton(panel, "sbGSoffice"));
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), panel), 7, 0, Qt::AlignTop);
    grid->addWidget(input(QStringLiteral("Memo1")), 7, 1, 1, 5);
    grid->addWidget(input(QStringLiteral("cbUseFlag")), 7, 6, 1, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget *VehicleEditor::buildPictures()
{
    auto *panel = new QWidget(body());
    m_pictures = new PicturePages(
        this,
        {QStringLiteral("PageControl1"),
         {QStringLiteral("图片一"), QStringLiteral("图片二"), QStringLiteral("图片三")},
         QStringLiteral("bbLoadImage"),
         QStringLiteral("bbClearImage")},
        panel);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pictures, 1);
    layout->addWidget(new QLabel(QStringLiteral("最佳大小：(102*100)"), panel));
    panel->setFixedWidth(220);
    return panel;
}

QWidget *VehicleEditor::buildCustomFields()
{
    static const QStringList designCaptions{
        QStringLiteral("字符项一："), QStringLiteral("字符项二："), QStringLiteral("字符项三："),
        QStringLiteral("字符项四："), QStringLiteral("字符项五："), QStringLiteral("数值项一："),
        QStringLiteral("数值项二："), QStringLiteral("数值项三："), QStringLiteral("日期项一："),
        QStringLiteral("日期项二："), QStringLiteral("日期项三：")};
    // Rows of four, three and four inputs.
    static const int rowOf[] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2};
    static const int columnOf[] = {0, 1, 2, 3, 0, 1, 2, 0, 1, 2, 3};
    auto *panel = new QWidget(body());
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const QStringList &controls = VehicleFields::customControls();
    for (int i = 0; i < controls.size(); ++i) {
        auto *label = new QLabel(designCaptions.at(i), panel);
        label->setObjectName(QStringLiteral("lblCustom%1").arg(i + 1));
        m_customLabels << label;
        grid->addWidget(label, rowOf[i], columnOf[i] * 2);
        grid->addWidget(input(controls.at(i)), rowOf[i], columnOf[i] * 2 + 1);
    }
    return panel;
}

void VehicleEditor::setTabOrder()
{
    static const char *order[] = {
        "edtCode",     "cbbPinPai",    "edtDipan",   "dtpSCdate",  "cbbYanSE",
        "Memo1",       "cbUseFlag",    "edtXingHao", "cbbType",    "edtFDJcode",
        "edtZaizhong", "edtZuoWei",    "ceBuyPrice", "dtpBuyDate", "cbbJSempname",
        "cbbGSoffice", "PageControl1", "edtZF1",     "edtZF2",     "edtZF3",
        "edtZF4",      "edtZF5",       "rceSZ1",     "rceSZ2",     "rceSZ3"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        QWidget *next = findChild<QWidget *>(QString::fromLatin1(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    for (int n = 1; n <= 3; ++n)
        input(QStringLiteral("dtpRQ%1").arg(n))->setFocusPolicy(Qt::ClickFocus);
}

PictureSlot *VehicleEditor::picture(int slot) const
{
    return m_pictures->slot(slot);
}

void VehicleEditor::fillLists()
{
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbPinPai"))),
                     QStringLiteral("pinpai"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbType"))),
                     QStringLiteral("cltype"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbYanSE"))),
                     QStringLiteral("yanse"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbGSoffice"))),
                     QStringLiteral("gsoffice"));
    FillPickList(DriversSql, static_cast<QComboBox *>(input(QStringLiteral("cbbJSempname"))));
}

void VehicleEditor::afterLoad(bool change)
{
    // The plate is the vehicle's key: an existing vehicle keeps its own.
    QWidget *plate = input(QStringLiteral("edtCode"));
    setReadOnlyLook(plate, change);
    if (!change)
        plate->setFocusPolicy(Qt::StrongFocus);
}

bool VehicleEditor::plateIsFree() const
{
    const QString plate =
        static_cast<QLineEdit *>(input(QStringLiteral("edtCode")))->text().trimmed();
    const int found =
        dm().QueryInt(SqlStatement(QStringLiteral("select F_ID from T_cars where F_Code = :code"),
                                   {{QStringLiteral("code"), plate}}));
    if (found == 0)
        return true;
    return EditMode && source() && source()->fieldValue(u"F_ID").toLongLong() == found;
}

void VehicleEditor::moveToSaved(DataSet &source, qint64)
{
    const QString plate =
        static_cast<QLineEdit *>(input(QStringLiteral("edtCode")))->text().trimmed();
    source.locate(u"F_code", plate, DataSet::Match::Exact);
}

bool VehicleEditor::keepsOpenForNext() const
{
    return !FromPicker && EditorDialog::keepsOpenForNext();
}

void VehicleEditor::showEvent(QShowEvent *event)
{
    EditorDialog::showEvent(event);
    for (int i = 0; i < m_customLabels.size(); ++i)
        m_customLabels.at(i)->setText(Globals::KeyValues.at(std::size_t(i + 1)) +
                                      QStringLiteral("："));
    static_cast<CurrencyEdit *>(input(QStringLiteral("ceBuyPrice")))
        ->setDisplayFormat(Globals::AmountFormat);
}
