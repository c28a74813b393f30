#include "SearchBar.h"

#include "widgets/PickList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

SearchBar::SearchBar(QList<ListSearch> searches, const QString &includeCaption, bool whileTyping,
                     QWidget *parent)
    : QWidget(parent), m_searches(std::move(searches)), m_whileTyping(whileTyping)
{
    setObjectName(QStringLiteral("Panel1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const ListSearch &search : std::as_const(m_searches))
        ComboBox1->addItem(search.caption);
    ComboBox1->setCurrentIndex(-1);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    makeEditablePickBox(ComboBox2);
    ComboBox2->setVisible(false);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("查询"));
    CheckBox2 = new QCheckBox(includeCaption, this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QStringLiteral("查询类型："), this));
    row->addWidget(ComboBox1);
    row->addWidget(new QLabel(QStringLiteral("查询内容："), this));
    row->addWidget(Edit1, 1);
    row->addWidget(ComboBox2, 1);
    row->addWidget(SpeedButton1);
    row->addWidget(CheckBox2);
    row->addStretch();

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &SearchBar::ComboBox1Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &SearchBar::searchRequested);
    connect(CheckBox2, &QCheckBox::toggled, this, &SearchBar::searchRequested);
    if (m_whileTyping) {
        connect(Edit1, &QLineEdit::textChanged, this, &SearchBar::searchRequested);
        connect(ComboBox2, &QComboBox::currentTextChanged, this, &SearchBar::searchRequested);
    } else {
        // Enter searches; the window's Enter-as-Tab leaves these two inputs alone.
        Edit1->installEventFilter(this);
        ComboBox2->installEventFilter(this);
        ComboBox2->lineEdit()->installEventFilter(this);
    }
}

int SearchBar::searchType() const
{
    return ComboBox1->currentIndex();
}

QString SearchBar::searchText() const
{
    return (ComboBox2->isVisibleTo(this) ? ComboBox2->currentText() : Edit1->text()).trimmed();
}

bool SearchBar::includesOutOfUse() const
{
    return CheckBox2->isChecked();
}

void SearchBar::ComboBox1Change()
{
    const int type = ComboBox1->currentIndex();
    const bool valueList = type >= 0 && m_searches.at(type).usesValueList();
    if (valueList) {
        const ListSearch &search = m_searches.at(type);
        if (!search.codeType.isEmpty()) {
            FillPickList(SqlStatement(QStringLiteral("select F_name from t_code where F_type = "
                                                     ":codeType "),
                                      {{QStringLiteral("codeType"), search.codeType}}),
                         ComboBox2);
        } else {
            const QSignalBlocker blocker(ComboBox2);
            ComboBox2->clear();
            ComboBox2->addItems(search.values);
        }
    }
    ComboBox2->setVisible(valueList);
    Edit1->setVisible(!valueList);
    {
        const QSignalBlocker blockText(Edit1);
        const QSignalBlocker blockValue(ComboBox2);
        Edit1->clear();
        ComboBox2->setCurrentIndex(-1);
        ComboBox2->setEditText(QString());
    }
    // Emptying the inputs asks again where typing asks.
    if (m_whileTyping)
        emit searchRequested();
}

bool SearchBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit searchRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
