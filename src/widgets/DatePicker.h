#pragma once
#include <QDateEdit>
#include <QVariant>

class QCheckBox;

// The date input of every editor and filter bar: shown "yyyy-MM-dd" with a calendar pop-up and,
// for optional dates, a tick box. It is the one place that knows the no-date convention:
// storedText() gives NoDate::stored for a date that is not set, loadStored() shows a stored
// no-date as today, unticked.
//
// "Set" is the tick of a checkable picker. A picker without a tick box counts as set, except after
// loadStored() of a no-date value (a trip date of an old record): then it stays unset until the
// operator chooses a date. Choosing a date (typing, arrow keys, the wheel, the calendar) sets it,
// so a date the operator picked is never saved as no date. setDate() leaves the tick alone; Space
// toggles the tick.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    static inline const QString TextFormat = QStringLiteral("yyyy-MM-dd");

    explicit DatePicker(QWidget *parent = nullptr);

    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

    // The value to save: the date as "yyyy-MM-dd", or NoDate::stored when it is not set.
    QString storedText() const;
    // Shows a stored value (a text, a QDate or a QDateTime): a real date shows set; null, empty,
    // unreadable or before NoDate::limit shows today (platform clock), not set.
    void loadStored(const QVariant &value);
    // Today (platform clock), set or not: the state of a new record's dates.
    void showToday(bool checked);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void checkedChanged(bool checked);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void stepBy(int steps) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void chosenByOperator();
    void placeTickBox();
    void updateLook();
    int tickBoxWidth() const;

    QCheckBox *m_tickBox = nullptr;
    bool m_checkable = false;
    bool m_checked = true;
};
