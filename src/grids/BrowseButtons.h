#pragma once
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class DataSet;
class QAbstractButton;
class QAction;

// The browse buttons 首项 / 前项 / 后项 / 末项 of a window over its data set. Clicking them moves
// the data set's current row and sets the buttons' enabled states:
// - 首项: first row; 首项 and 前项 off, 后项 and 末项 on;
// - 前项: at BOF 首项 and 前项 off, otherwise one row back; either way 后项 and 末项 on;
// - 后项: at EOF 后项 and 末项 off, otherwise one row on; either way 首项 and 前项 on;
// - 末项: last row; 首项 and 前项 on, 后项 and 末项 off.
// Like a dataset cursor, BOF and EOF are only reached by stepping past an end (or by First and
// Last), so 前项 on the first row reached by stepping takes one more click to switch off.
// The keys of the windows trigger the same buttons (each only when enabled).
class BrowseButtons : public QObject {
    Q_OBJECT
public:
    BrowseButtons(DataSet *dataSet, QAction *first, QAction *prior, QAction *next, QAction *last,
                  QObject *parent = nullptr);
    BrowseButtons(DataSet *dataSet, QAbstractButton *first, QAbstractButton *prior,
                  QAbstractButton *next, QAbstractButton *last, QObject *parent = nullptr);

    void setDataSet(DataSet *dataSet) { m_dataSet = dataSet; }
    DataSet *dataSet() const { return m_dataSet; }

    void first();
    void prior();
    void next();
    void last();
    // All four on (a window that reopens its query may call it).
    void enableAll();

private:
    enum Button { First, Prior, Next, Last };
    void enable(Button button, bool on);

    QPointer<DataSet> m_dataSet;
    std::array<std::function<void(bool)>, 4> m_enable;
};
