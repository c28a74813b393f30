#pragma once
#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QToolButton;
class QVBoxLayout;

// The bar beside the child area: groups of command items stacked like the shortcut bar of a
// mail program. One group is open at a time and shows its items below its header; clicking a
// header opens that group. Hidden groups take no room; when the open group is hidden, the first
// visible one opens.
class NavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget *parent = nullptr);

    // Adds a group at the end; its items trigger the actions and follow their visibility.
    int addGroup(const QString &objectName, const QString &title);
    void addItem(int group, QAction *action, const QString &text);

    int groupCount() const { return int(m_groups.size()); }
    QString groupTitle(int group) const;
    void setGroupVisible(int group, bool visible);
    bool isGroupVisible(int group) const;
    void openGroup(int group);
    int openGroupIndex() const { return m_open; }
    // The item buttons of a group, in order (tests and screenshots).
    QList<QToolButton *> items(int group) const;

    QSize sizeHint() const override { return QSize(170, 400); }

private:
    struct Group {
        QToolButton *header = nullptr;
        QWidget *page = nullptr;
        QVBoxLayout *itemLayout = nullptr;
        QList<QToolButton *> items;
        bool visible = true;
    };
    void update();

    QVBoxLayout *m_layout;
    QList<Group> m_groups;
    int m_open = -1;
};
