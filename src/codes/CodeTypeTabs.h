#pragma once
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

// PageControl1 of the dictionary window: one button-style tab per code type in several rows.
// The tabs hold no controls; each tab's objectName is "t" + its type key.
class CodeTypeTabs : public QWidget {
    Q_OBJECT
public:
    static constexpr int TabsPerRow = 7;

    explicit CodeTypeTabs(QWidget *parent = nullptr);

    int count() const;
    QAbstractButton *tab(int index) const;
    int currentIndex() const;
    // Selects a tab without raising currentChanged.
    void setCurrentIndex(int index);

signals:
    // The operator chose another tab.
    void currentChanged(int index);

private:
    QButtonGroup *m_group;
    int m_current = -1;
};
