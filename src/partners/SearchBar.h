#pragma once
#include "db/ListSearch.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

// The filter bar of the partner and employee lists (Panel1): the search type ComboBox1, the
// text box Edit1 or the value list ComboBox2 (one shown at a time), the search button
// SpeedButton1 and the check box CheckBox2 that takes in the rows out of use. It asks for a
// search (searchRequested) on the button and the check box; with `whileTyping` also on every
// change of either input, otherwise on Enter in them.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    SearchBar(QList<ListSearch> searches, const QString &includeCaption, bool whileTyping,
              QWidget *parent = nullptr);

    int searchType() const;
    QString searchText() const; // of the input shown
    bool includesOutOfUse() const;

    // ComboBox1Change: the value list for the types that have one, both inputs emptied.
    void ComboBox1Change();

    QLineEdit *textBox() const { return Edit1; }
    QComboBox *valueList() const { return ComboBox2; }

signals:
    void searchRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<ListSearch> m_searches;
    bool m_whileTyping;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QComboBox *ComboBox2;
    QToolButton *SpeedButton1;
    QCheckBox *CheckBox2;
};
