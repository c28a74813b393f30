#pragma once
#include "session/SessionView.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

struct Command;
class NavigationBar;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
struct CommandWindow;

// TFrmMain: the frame every command starts from. Menus, tool bar and navigation bar share one
// action per command (objectName "Action" + number); the command table says what each opens.
// The login decides which commands the operator holds; this window only shows them.
class MainWindow : public QMainWindow, public SessionView {
    Q_OBJECT
public:
    static inline const QString NotBuiltMessage = QStringLiteral("此功能尚未提供！");
    static inline const QString CompactSucceeded = QStringLiteral("压缩数据库成功！");
    static inline const QString CompactFailed = QStringLiteral("压缩数据库失败！");
    static inline const QString BackupQuestion = QStringLiteral("软件关闭，要备份当前数据吗？");
    static inline const QString NoUpgradeMessage = QStringLiteral("没有安装升级程序！");
    static inline const QString NoCalculatorMessage = QStringLiteral("没有找到可用的计算器程序！");
    static inline const QString NoEditorMessage = QStringLiteral("没有找到可用的记事本程序！");
    static inline const QString UpgradeProgram = QStringLiteral("UpGrade");
    static inline const QString WebSite = QStringLiteral("https://www.example.com/orvcars/");
    static QString exitQuestion();
    static QString productLine();

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- Commands
    QAction *commandAction(int number) const;
    // Runs a command as its menu item would, whether or not it is visible.
    void runCommand(int number);
    QMenu *commandMenu(int group) const; // 1 系统管理, 2 基本资料, 3 业务管理, 4 报表中心
    QMenu *windowMenu() const { return m_windowMenu; }
    QMenu *toolsMenu() const { return m_toolsMenu; }
    NavigationBar *navigationBar() const { return m_navigation; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *commandBar() const { return m_toolBar; }
    QWidget *desktopWindow() const { return m_desktop; }
    // The status panels 0 to 4, left to right.
    QString statusText(int panel) const;

    // --- SessionView
    QStringList permissionCodes() const override;
    void applyPermissions(const QSet<QString> &granted) override;
    void showSession(const QString &operatorName, const QDateTime &loginTime) override;

    // --- Commands without a permission
    void changeOperator();
    void compactDatabase();
    void cascadeWindows();
    void tileHorizontally(); // one above the other, each the full width
    void tileVertically();   // side by side, each the full height
    void activateNextWindow();
    void closeActiveWindow();
    void closeAllWindows(); // from the last to the first
    void openHelp();
    void showAbout();
    void openWebSite();
    void startUpgrade();
    void startCalculator();
    void startNotepad();

signals:
    // The program is asked to end without the exit question (the upgrade tool takes over).
    void terminating();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createCommandActions();
    QAction *makeAction(const QString &objectName, const QString &text, QChar glyph,
                        void (MainWindow::*slot)());
    void createMenus();
    void createToolBar();
    void createNavigationBar();
    void createStatusBar();
    void fillWindowList();
    void openDesktop();
    void fitDesktop();
    void updateCommandGroups();
    void tick();
    QList<QMdiSubWindow *> arrangedWindows() const;
    void openModal(const Command &command, const CommandWindow &window);

    QMdiArea *m_mdi = nullptr;
    NavigationBar *m_navigation = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMap<int, QAction *> m_commands;
    QMap<int, QMenu *> m_groupMenus;
    QMap<int, int> m_navigationGroups; // command group → navigation group index
    QMenu *m_excelMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QAction *m_navigate = nullptr;
    QList<QLabel *> m_panels;
    QTimer *m_clock = nullptr;
    QPointer<QWidget> m_desktop;
    bool m_shown = false;
};
