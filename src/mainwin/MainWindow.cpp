#include "MainWindow.h"

#include "AboutDialog.h"
#include "ActionBinding.h"
#include "BackupOffer.h"
#include "CommandIcon.h"
#include "CommandTable.h"
#include "CommandWindows.h"
#include "DesktopPrograms.h"
#include "DesktopWindow.h"
#include "ModalRun.h"
#include "NavigationBar.h"
#include "ShowOrActivateChild.h"

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Messages.h"
#include "app/Platform.h"
#include "app/WindowPlacement.h"
#include "session/OperatorLoginWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

struct GroupInfo {
    int group;
    const char *menuName;
    const char *menuTitle;
    const char *navigationName;
    const char *navigationTitle;
};

// The four command groups: menus in menu-bar order, navigation groups in bar order below.
const GroupInfo Groups[] = {
    {1, "mnuSystem", "系统管理", "navSystem", "系统管理"},
    {2, "mnuBasic", "基本资料", "navBasic", "基本资料"},
    {3, "mnuBusiness", "业务管理", "navBusiness", "运营管理"},
    {4, "mnuReports", "报表中心", "navReports", "报表中心"},
};
const int NavigationOrder[] = {3, 4, 2, 1};

const GroupInfo &groupInfo(int group)
{
    return Groups[group - 1];
}

} // namespace

QString MainWindow::exitQuestion()
{
    return QStringLiteral("真的要退出“") + ProductName + QStringLiteral("”软件吗？");
}

QString MainWindow::productLine()
{
    return ProductName + VersionText + QStringLiteral(" ") + PublisherName + QStringLiteral(" ");
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFrmMain"));
    setWindowTitle(ProductName + VersionText);
    setWindowIcon(CommandIcon::tile(QChar(u'车'), CommandIcon::groupColour(0)));

    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        // The desktop stays behind every other child window, even when clicked.
        if (sub && m_desktop && sub->widget() == m_desktop)
            sub->lower();
    });

    createCommandActions();
    createMenus();
    createToolBar();
    createNavigationBar();
    createStatusBar();

    auto *split = new QSplitter;
    split->setObjectName(QStringLiteral("splitter"));
    split->addWidget(m_navigation);
    split->addWidget(m_mdi);
    split->setStretchFactor(1, 1);
    split->setCollapsible(1, false);
    split->setSizes({180, 800});
    setCentralWidget(split);

    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::tick);
    m_clock->start();

    resize(794, 570);
    DispFormPos(this, 2);
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::makeAction(const QString &objectName, const QString &text, QChar glyph,
                                void (MainWindow::*slot)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(objectName);
    if (!glyph.isNull())
        action->setIcon(CommandIcon::tile(glyph, CommandIcon::groupColour(0)));
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createCommandActions()
{
    for (const Command &command : CommandTable::all()) {
        auto *action = new QAction(command.menuText(), this);
        action->setObjectName(QStringLiteral("Action%1").arg(command.number));
        action->setIcon(
            CommandIcon::tile(command.glyph, CommandIcon::groupColour(command.group())));
        const int number = command.number;
        connect(action, &QAction::triggered, this, [this, number] { runCommand(number); });
        m_commands.insert(number, action);
    }
}

void MainWindow::createMenus()
{
    const auto commandMenuFor = [this](int group) {
        const GroupInfo &info = groupInfo(group);
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(info.menuTitle));
        menu->setObjectName(QString::fromUtf8(info.menuName));
        m_groupMenus.insert(group, menu);
        return menu;
    };
    const auto add = [this](QMenu *menu, std::initializer_list<int> numbers) {
        for (int number : numbers) {
            if (number == 0)
                menu->addSeparator();
            else
                menu->addAction(m_commands.value(number));
        }
    };

    QMenu *system = commandMenuFor(1);
    add(system, {101, 102, 103, 104, 0, 105});
    m_excelMenu = system->addMenu(QStringLiteral("Excel导数据"));
    m_excelMenu->setObjectName(QStringLiteral("mnuExcel"));
    m_excelMenu->addAction(m_commands.value(108));
    // These two items have no command behind them yet; they are kept where the office knows
    // them and do nothing.
    m_excelMenu->addAction(
        makeAction(QStringLiteral("actClearEmpRows"), QStringLiteral("清除员工空行"), {}, nullptr));
    m_excelMenu->addAction(m_commands.value(109));
    m_excelMenu->addAction(
        makeAction(QStringLiteral("actClearCarRows"), QStringLiteral("清除车辆空行"), {}, nullptr));
    add(system, {0, 106, 107, 110, 0});
    system->addAction(
        makeAction(QStringLiteral("actExit"), QStringLiteral("退出系统"), {}, nullptr));
    connect(system->actions().constLast(), &QAction::triggered, this, &QWidget::close);

    add(commandMenuFor(2), {201, 202, 203, 204, 205, 0, 206});
    add(commandMenuFor(3), {301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311});
    add(commandMenuFor(4), {401, 402, 403, 404, 0, 405, 406, 407, 408, 409, 410});

    m_windowMenu = menuBar()->addMenu(QStringLiteral("窗体"));
    m_windowMenu->setObjectName(QStringLiteral("mnuWindow"));
    m_windowMenu->addAction(makeAction(QStringLiteral("actCascade"), QStringLiteral("重叠"), {},
                                       &MainWindow::cascadeWindows));
    m_windowMenu->addAction(makeAction(QStringLiteral("actTileHorizontal"),
                                       QStringLiteral("横向重排"), {},
                                       &MainWindow::tileHorizontally));
    m_windowMenu->addAction(makeAction(QStringLiteral("actTileVertical"),
                                       QStringLiteral("纵向重排"), {},
                                       &MainWindow::tileVertically));
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(makeAction(QStringLiteral("actNextWindow"), QStringLiteral("切换"), {},
                                       &MainWindow::activateNextWindow));
    m_windowMenu->addAction(makeAction(QStringLiteral("actCloseWindow"), QStringLiteral("关闭"), {},
                                       &MainWindow::closeActiveWindow));
    m_windowMenu->addAction(makeAction(QStringLiteral("actCloseAll"), QStringLiteral("全部关闭"),
                                       {}, &MainWindow::closeAllWindows));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);

    m_toolsMenu = menuBar()->addMenu(QStringLiteral("辅助功能"));
    m_toolsMenu->setObjectName(QStringLiteral("mnuTools"));
    m_toolsMenu->addAction(makeAction(QStringLiteral("actUpgrade"), QStringLiteral("升级工具"), {},
                                      &MainWindow::startUpgrade));
    m_toolsMenu->addAction(makeAction(QStringLiteral("actCalculator"), QStringLiteral("计算器"), {},
                                      &MainWindow::startCalculator));
    m_toolsMenu->addAction(makeAction(QStringLiteral("actNotepad"), QStringLiteral("记事本"), {},
                                      &MainWindow::startNotepad));
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(makeAction(QStringLiteral("actHelpMenu"), QStringLiteral("软件帮助"), {},
                                      &MainWindow::openHelp));
    m_toolsMenu->addAction(makeAction(QStringLiteral("actAbout"), QStringLiteral("关于我们"), {},
                                      &MainWindow::showAbout));
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(makeAction(QStringLiteral("actWebSite"),
                                      QStringLiteral("访问我们的网站"), {},
                                      &MainWindow::openWebSite));
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    m_navigate =
        makeAction(QStringLiteral("actNavigate"), QStringLiteral("导航"), QChar(u'航'), nullptr);
    m_navigate->setCheckable(true);
    m_navigate->setChecked(true);
    connect(m_navigate, &QAction::toggled, this, [this](bool on) { m_navigation->setVisible(on); });
    m_toolBar->addAction(m_navigate);
    m_toolBar->addAction(makeAction(QStringLiteral("actRelogin"), QStringLiteral("重新登录"),
                                    QChar(u'登'), &MainWindow::changeOperator));
    m_toolBar->addSeparator();
    for (const auto &[number, text] : {std::pair{201, "员工管理"}, std::pair{202, "车辆管理"}}) {
        auto *button = new QToolButton;
        button->setObjectName(QStringLiteral("tbCommand%1").arg(number));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(m_toolBar->iconSize());
        followAction(button, m_commands.value(number), QString::fromUtf8(text), false);
        // Inside a tool bar the visibility belongs to the bar's own action for the button.
        QAction *place = m_toolBar->addWidget(button);
        place->setObjectName(QStringLiteral("tbAction%1").arg(number));
        followVisibility(place, m_commands.value(number));
    }
    m_toolBar->addSeparator();
    m_toolBar->addAction(makeAction(QStringLiteral("actHelp"), QStringLiteral("帮助"), QChar(u'?'),
                                    &MainWindow::openHelp));
    m_toolBar->addSeparator();
    QAction *close =
        makeAction(QStringLiteral("actClose"), QStringLiteral("关闭"), QChar(u'关'), nullptr);
    close->setIcon(CommandIcon::tile(QChar(u'关'), QColor(190, 60, 50)));
    connect(close, &QAction::triggered, this, &QWidget::close);
    m_toolBar->addAction(close);
}

void MainWindow::createNavigationBar()
{
    m_navigation = new NavigationBar;
    for (int group : NavigationOrder) {
        const GroupInfo &info = groupInfo(group);
        const int index = m_navigation->addGroup(QString::fromUtf8(info.navigationName),
                                                 QString::fromUtf8(info.navigationTitle));
        m_navigationGroups.insert(group, index);
        for (const Command *command : CommandTable::group(group))
            m_navigation->addItem(index, m_commands.value(command->number), command->caption);
    }
    m_navigation->openGroup(m_navigationGroups.value(3));
}

void MainWindow::createStatusBar()
{
    const int widths[] = {60, 80, 100, 140};
    const QString names[] = {QStringLiteral("pnlUserCaption"), QStringLiteral("pnlUser"),
                             QStringLiteral("pnlTimeCaption"), QStringLiteral("pnlTime"),
                             QStringLiteral("pnlProduct")};
    const QString texts[] = {QStringLiteral(" 当前用户"), QString(),
                             QStringLiteral(" 当前日期时间"), QString(), productLine()};
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QLabel(texts[i]);
        panel->setObjectName(names[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < 4) {
            panel->setMinimumWidth(widths[i]);
            statusBar()->addWidget(panel);
        } else {
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar()->addWidget(panel, 1);
        }
        m_panels.append(panel);
    }
    statusBar()->setSizeGripEnabled(true);
}

QAction *MainWindow::commandAction(int number) const
{
    return m_commands.value(number);
}

QMenu *MainWindow::commandMenu(int group) const
{
    return m_groupMenus.value(group);
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels.at(panel)->text() : QString();
}

// --- Session -------------------------------------------------------------------------------

QStringList MainWindow::permissionCodes() const
{
    QStringList codes;
    for (const Command &command : CommandTable::all())
        codes << command.permissionCode();
    return codes;
}

void MainWindow::applyPermissions(const QSet<QString> &granted)
{
    for (const Command &command : CommandTable::all())
        m_commands.value(command.number)->setVisible(granted.contains(command.permissionCode()));
    updateCommandGroups();
}

void MainWindow::updateCommandGroups()
{
    for (const GroupInfo &info : Groups) {
        bool any = false;
        for (const Command *command : CommandTable::group(info.group))
            any = any || m_commands.value(command->number)->isVisible();
        m_groupMenus.value(info.group)->menuAction()->setVisible(any);
        m_navigation->setGroupVisible(m_navigationGroups.value(info.group), any);
    }
    m_excelMenu->menuAction()->setVisible(m_commands.value(108)->isVisible() ||
                                          m_commands.value(109)->isVisible());
}

void MainWindow::showSession(const QString &operatorName, const QDateTime &loginTime)
{
    m_panels.at(1)->setText(QStringLiteral(" ") + operatorName);
    m_panels.at(3)->setText(QStringLiteral(" ") + loginTime.toString(TimeFormat));
}

void MainWindow::changeOperator()
{
    ShowLogin(LoginMode::ChangeOperator, this, this);
}

// --- Showing and closing ---------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    setWindowTitle(ProductName + VersionText);
    openDesktop();
    m_panels.at(1)->setText(QStringLiteral(" ") + Globals::CurrentOperator);
    tick();
    if (Globals::ConfigFile) {
        Globals::AutoBackupMode =
            Globals::ConfigFile->readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0);
        Globals::AutoCode =
            Globals::ConfigFile->readBool(QStringLiteral("sys"), QStringLiteral("bZDcode"), false);
        Globals::AutoDocCode = Globals::ConfigFile->readBool(QStringLiteral("sys"),
                                                             QStringLiteral("bZDGDcode"), false);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (ShowMess(this, exitQuestion(), 1) != 1) {
        event->ignore();
        return;
    }
    if (backupOffered(Globals::AutoBackupMode, platform().today()) &&
        ShowMess(this, BackupQuestion, 1) == 1)
        dm().AutoBackup();
    m_clock->stop();
    event->accept();
}

void MainWindow::tick()
{
    m_panels.at(3)->setText(QStringLiteral(" ") + platform().now().toString(TimeFormat));
}

// --- Commands --------------------------------------------------------------------------------

void MainWindow::runCommand(int number)
{
    const Command *command = CommandTable::find(number);
    if (!command)
        return;
    if (command->opening == Command::Opening::None) {
        compactDatabase();
        return;
    }
    const CommandWindow *window = CommandWindows::find(number);
    if (!window || (!window->create && !window->run)) {
        ShowMess(this, NotBuiltMessage, 0);
        return;
    }
    if (command->opening == Command::Opening::Child && window->create) {
        ShowOrActivateChild(m_mdi, command->windowClass, window->create);
        return;
    }
    openModal(*command, *window);
}

void MainWindow::openModal(const Command &command, const CommandWindow &window)
{
    if (window.run) {
        window.run(this);
    } else {
        QPointer<QWidget> modal = window.create(this);
        if (!modal)
            return;
        DispFormPos(modal, command.placeMode);
        if (command.centreOnMain) {
            QRect frame = modal->frameGeometry();
            frame.moveCenter(frameGeometry().center());
            modal->move(frame.topLeft());
        }
        execModal(modal);
        delete modal.data();
    }
    if (!command.logAfter.isEmpty())
        dm().WriteLog(command.logAfter);
}

void MainWindow::compactDatabase()
{
    // The file the program works on, which is the one "ds" names.
    const QString path = dm().databasePath();
    closeAllWindows();
    dm().disconnect();
    const bool compacted = CompactDatabase(path, QString::fromLatin1(Db::DefaultKey)) != 0;
    ShowMess(this, compacted ? CompactSucceeded : CompactFailed, compacted ? 0 : 3);
    if (!dm().connectTo(path))
        ShowMess(this, DataModule::OpenFailed, 3);
    dm().WriteLog(CommandTable::find(110)->logAfter);
}

// --- Child windows ---------------------------------------------------------------------------

void MainWindow::openDesktop()
{
    ShowOrActivateChild(
        m_mdi, QStringLiteral("TFrmBtnImage"),
        [](QWidget *) -> QWidget * { return new DesktopWindow; }, &m_desktop);
    if (auto *sub =
            qobject_cast<QMdiSubWindow *>(m_desktop ? m_desktop->parentWidget() : nullptr)) {
        sub->setWindowFlags(Qt::FramelessWindowHint);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->show();
        fitDesktop();
        sub->lower();
    }
}

void MainWindow::fitDesktop()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(m_desktop ? m_desktop->parentWidget() : nullptr);
    if (sub && !sub->isMinimized())
        sub->setGeometry(m_mdi->viewport()->rect());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        fitDesktop();
    return QMainWindow::eventFilter(watched, event);
}

QList<QMdiSubWindow *> MainWindow::arrangedWindows() const
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized() && sub->widget() != m_desktop)
            windows << sub;
    }
    return windows;
}

void MainWindow::cascadeWindows()
{
    const QList<QMdiSubWindow *> windows = arrangedWindows();
    const QRect area = m_mdi->viewport()->rect();
    const int step = 24;
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    int offset = 0;
    for (QMdiSubWindow *sub : windows) {
        sub->setGeometry(QRect(QPoint(offset, offset), size));
        sub->raise();
        offset = (offset + step) % std::max(step, area.height() - size.height());
    }
}

void MainWindow::tileHorizontally()
{
    const QList<QMdiSubWindow *> windows = arrangedWindows();
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int height = area.height() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i)
        windows.at(i)->setGeometry(0, i * height, area.width(), height);
}

void MainWindow::tileVertically()
{
    const QList<QMdiSubWindow *> windows = arrangedWindows();
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int width = area.width() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i)
        windows.at(i)->setGeometry(i * width, 0, width, area.height());
}

void MainWindow::activateNextWindow()
{
    m_mdi->activateNextSubWindow();
}

void MainWindow::closeActiveWindow()
{
    if (QMdiSubWindow *sub = m_mdi->activeSubWindow())
        sub->close();
}

void MainWindow::closeAllWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
}

void MainWindow::fillWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_windowMenu->addSeparator();
    int n = 0;
    for (QMdiSubWindow *sub : windows) {
        auto *action = m_windowMenu->addAction(
            QStringLiteral("&%1 %2").arg(++n).arg(sub->widget()->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == m_mdi->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] {
            if (sub->isMinimized())
                sub->showNormal();
            m_mdi->setActiveSubWindow(sub);
        });
        m_windowListActions << action;
    }
}

// --- Tools -----------------------------------------------------------------------------------

void MainWindow::openHelp()
{
    platform().openUrl(QUrl::fromLocalFile(AppPaths::helpIndex()));
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    DispFormPos(&about, 1);
    about.exec();
}

void MainWindow::openWebSite()
{
    platform().openUrl(QUrl(WebSite));
}

void MainWindow::startUpgrade()
{
    const QFileInfo program(AppPaths::file(UpgradeProgram));
    if (!program.isFile() || !program.isExecutable()) {
        ShowMess(this, NoUpgradeMessage, 0);
        return;
    }
    platform().startProgram(program.absoluteFilePath());
    emit terminating();
    QCoreApplication::exit(0);
}

void MainWindow::startCalculator()
{
    if (!DesktopPrograms::startCalculator())
        ShowMess(this, NoCalculatorMessage, 0);
}

void MainWindow::startNotepad()
{
    if (!DesktopPrograms::startTextEditor())
        ShowMess(this, NoEditorMessage, 0);
}
