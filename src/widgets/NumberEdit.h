#pragma once
#include <QLineEdit>

// A number input: while it has the focus it shows the plain number for typing; otherwise the
// number in its display format (plain when the format is empty). Only what makes a number can be
// typed. The value follows the text as it is typed; a value the operator does not touch is kept
// exactly, whatever the places shown while editing.
class QRegularExpressionValidator;

class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

    QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);

    // Decimals the operator may type, also the places of the editing text; -1 (the default) for
    // as many as the number has.
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);

signals:
    void valueChanged(double value);

protected:
    // The value as this input keeps it (a currency edit rounds to its four places).
    virtual double normalized(double value) const { return value; }

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue(bool editing);
    void textToValue(const QString &text);
    void updateValidator();

    QRegularExpressionValidator *m_validator = nullptr;
    double m_value = 0;
    QString m_displayFormat;
    int m_decimals = -1;
    bool m_showing = false; // the text is being set from the value
};
