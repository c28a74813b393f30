#include "NumberEdit.h"

#include "NumberText.h"
#include "app/NumberFormat.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_validator = new QRegularExpressionValidator(this);
    setValidator(m_validator);
    updateValidator();
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::textToValue);
    showValue(false);
}

void NumberEdit::setValue(double value)
{
    const double v = normalized(value);
    const bool changed = v != m_value;
    m_value = v;
    showValue(hasFocus());
    if (changed)
        emit valueChanged(m_value);
}

void NumberEdit::setDisplayFormat(const QString &format)
{
    m_displayFormat = format;
    showValue(hasFocus());
}

void NumberEdit::setDecimals(int decimals)
{
    m_decimals = decimals;
    updateValidator();
    setValue(m_value);
}

void NumberEdit::focusInEvent(QFocusEvent *event)
{
    // The plain text first: the base class then selects it all when tabbed into.
    if (event->reason() != Qt::PopupFocusReason)
        showValue(true);
    QLineEdit::focusInEvent(event);
}

void NumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        showValue(false);
}

void NumberEdit::showValue(bool editing)
{
    m_showing = true;
    if (editing || m_displayFormat.isEmpty())
        setText(NumberText::plain(m_value, m_decimals));
    else
        setText(formatNumber(m_value, m_displayFormat));
    m_showing = false;
}

void NumberEdit::textToValue(const QString &text)
{
    if (m_showing)
        return;
    const double v = normalized(NumberText::parse(text));
    if (v == m_value)
        return;
    m_value = v;
    emit valueChanged(m_value);
}

void NumberEdit::updateValidator()
{
    m_validator->setRegularExpression(QRegularExpression(NumberText::typingPattern(m_decimals)));
}
