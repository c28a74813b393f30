#include "DatePicker.h"

#include "app/Platform.h"
#include "db/NoDate.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

namespace {

QDate storedDate(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    if (NoDate::isNoDate(text))
        return {};
    QDate date = QDate::fromString(text.left(10), DatePicker::TextFormat);
    if (!date.isValid())
        date = QDateTime::fromString(text, Qt::ISODate).date();
    return date;
}

} // namespace

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(TextFormat);
    setCalendarPopup(true);
    setDate(platform().today());

    m_tickBox = new QCheckBox(this);
    m_tickBox->setFocusPolicy(Qt::NoFocus);
    m_tickBox->setChecked(true);
    m_tickBox->hide();
    connect(m_tickBox, &QCheckBox::clicked, this,
            [this](bool ticked) { setChecked(isReadOnly() ? m_checked : ticked); });

    if (QCalendarWidget *calendar = calendarWidget()) {
        connect(calendar, &QCalendarWidget::clicked, this, &DatePicker::chosenByOperator);
        connect(calendar, &QCalendarWidget::activated, this, &DatePicker::chosenByOperator);
    }
}

void DatePicker::setCheckable(bool checkable)
{
    if (m_checkable == checkable)
        return;
    m_checkable = checkable;
    m_tickBox->setVisible(checkable);
    lineEdit()->setTextMargins(checkable ? tickBoxWidth() : 0, 0, 0, 0);
    placeTickBox();
    updateGeometry();
    if (!checkable)
        setChecked(true);
}

void DatePicker::setChecked(bool checked)
{
    m_tickBox->setChecked(checked);
    if (m_checked == checked)
        return;
    m_checked = checked;
    updateLook();
    emit checkedChanged(checked);
}

QString DatePicker::storedText() const
{
    return m_checked ? date().toString(TextFormat) : NoDate::stored;
}

void DatePicker::loadStored(const QVariant &value)
{
    const QDate date = storedDate(value);
    if (date.isValid()) {
        setDate(date);
        setChecked(true);
    } else {
        showToday(false);
    }
}

void DatePicker::showToday(bool checked)
{
    setDate(platform().today());
    setChecked(checked);
}

QSize DatePicker::sizeHint() const
{
    QSize size = QDateEdit::sizeHint();
    if (m_checkable)
        size.rwidth() += tickBoxWidth();
    return size;
}

QSize DatePicker::minimumSizeHint() const
{
    QSize size = QDateEdit::minimumSizeHint();
    if (m_checkable)
        size.rwidth() += tickBoxWidth();
    return size;
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    if (m_checkable && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!isReadOnly())
            setChecked(!m_checked);
        event->accept();
        return;
    }
    const QDate before = date();
    QDateEdit::keyPressEvent(event);
    if (date() != before)
        chosenByOperator();
}

void DatePicker::stepBy(int steps)
{
    const QDate before = date();
    QDateEdit::stepBy(steps);
    if (date() != before)
        chosenByOperator();
}

void DatePicker::resizeEvent(QResizeEvent *event)
{
    QDateEdit::resizeEvent(event);
    placeTickBox();
}

void DatePicker::changeEvent(QEvent *event)
{
    QDateEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) // drawn as it is, but no longer clickable
        m_tickBox->setAttribute(Qt::WA_TransparentForMouseEvents, isReadOnly());
    else if (event->type() == QEvent::PaletteChange)
        updateLook();
}

void DatePicker::chosenByOperator()
{
    if (!isReadOnly())
        setChecked(true);
}

int DatePicker::tickBoxWidth() const
{
    return m_tickBox->sizeHint().width() + 2;
}

void DatePicker::placeTickBox()
{
    if (!m_checkable)
        return;
    const QSize box = m_tickBox->sizeHint();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_tickBox->setGeometry(frame + 2, (height() - box.height()) / 2, box.width(), box.height());
}

void DatePicker::updateLook()
{
    // An unset date stays visible but greyed, as the operator knows it from the tick box.
    if (m_checked) {
        lineEdit()->setPalette(QPalette());
    } else {
        QPalette grey;
        grey.setColor(QPalette::Text, palette().color(QPalette::Disabled, QPalette::Text));
        lineEdit()->setPalette(grey);
    }
}
