#include "Screenshots.h"

#include "CommandTable.h"
#include "CommandWindows.h"
#include "MainWindow.h"
#include "NavigationBar.h"
#include "ShowOrActivateChild.h"

#include "app/DataModule.h"
#include "app/ScriptedPlatform.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "db/DataSet.h"
#include "db/PartnerKinds.h"
#include "partners/EmployeeEditor.h"
#include "partners/PartnerEditor.h"
#include "records/RecordEditor.h"
#include "session/OperatorLoginWindow.h"
#include "session/Session.h"
#include "vehicles/ImageViewer.h"
#include "vehicles/VehicleEditor.h"
#include "vehicles/VehiclePicker.h"
#include "vehicles/VehicleQueryDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

// Lets the windows lay themselves out and paint.
void settle(int ms = 200)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

class PictureFolder {
public:
    explicit PictureFolder(const QString &folder) : m_dir(folder) {}

    bool prepare() { return m_dir.mkpath(QStringLiteral(".")); }

    void save(const QPixmap &picture, const QString &name)
    {
        const QString path = m_dir.absoluteFilePath(name + QStringLiteral(".png"));
        if (!picture.isNull() && picture.save(path, "PNG")) {
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
            ++m_saved;
        } else {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }
    int saved() const { return m_saved; }

private:
    QDir m_dir;
    int m_saved = 0;
    bool m_failed = false;
};

// Photographs the next modal window once it is up and closes it, so that the call that opened
// it returns.
class ModalGrabber : public QObject {
public:
    ModalGrabber(PictureFolder &pictures, QString name)
        : m_pictures(pictures), m_name(std::move(name)), m_before(QApplication::activeModalWidget())
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, &ModalGrabber::poll);
        m_timer.start(20);
    }

    bool done() const { return m_done; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_before) {
            if (m_clock.elapsed() > 10000)
                m_timer.stop();
            return;
        }
        m_timer.stop();
        settle(300);
        m_pictures.save(modal->grab(), m_name);
        QPointer<QWidget> window = modal;
        window->close();
        if (window && window->isVisible())
            window->hide();
        m_done = true;
    }

    PictureFolder &m_pictures;
    QString m_name;
    QWidget *m_before;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_done = false;
};

void photographLogin(PictureFolder &pictures)
{
    OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
    login.show();
    settle();
    pictures.save(login.grab(), QStringLiteral("login"));
}

void photographMenus(MainWindow &main, PictureFolder &pictures)
{
    int n = 0;
    for (QAction *action : main.menuBar()->actions()) {
        QMenu *menu = action->menu();
        if (!menu || !action->isVisible())
            continue;
        const QRect place = main.menuBar()->actionGeometry(action);
        menu->popup(main.menuBar()->mapToGlobal(place.bottomLeft()));
        settle();
        QPixmap picture = main.grab();
        {
            QPainter painter(&picture);
            painter.drawPixmap(main.mapFromGlobal(menu->pos()), menu->grab());
        }
        menu->hide();
        pictures.save(picture, QStringLiteral("menu-%1").arg(++n));
    }
}

void photographNavigation(MainWindow &main, PictureFolder &pictures)
{
    NavigationBar *bar = main.navigationBar();
    const int open = bar->openGroupIndex();
    for (int group = 0; group < bar->groupCount(); ++group) {
        bar->openGroup(group);
        settle(100);
        pictures.save(main.grab(), QStringLiteral("nav-%1").arg(group + 1));
    }
    bar->openGroup(open);
}

void photographCommands(MainWindow &main, PictureFolder &pictures)
{
    for (const Command &command : CommandTable::all()) {
        if (command.opening == Command::Opening::None || !CommandWindows::find(command.number))
            continue;
        const QString name = QString::number(command.number);
        if (command.opening == Command::Opening::Child) {
            main.runCommand(command.number);
            settle(300);
            QWidget *window = findChildWindow(main.mdiArea(), command.windowClass);
            if (!window) {
                std::fprintf(stderr, "command %d opened no window\n", command.number);
                continue;
            }
            QWidget *frame = window->parentWidget() ? window->parentWidget() : window;
            pictures.save(frame->grab(), name);
            frame->close();
            settle(50);
        } else {
            ModalGrabber grabber(pictures, name);
            main.runCommand(command.number);
            if (!grabber.done())
                std::fprintf(stderr, "command %d showed no window\n", command.number);
        }
    }
    ModalGrabber about(pictures, QStringLiteral("about"));
    main.showAbout();
}

// The dialogs that no command opens by itself: the editors and pickers, each over the demo data.
struct DialogShot {
    const char *name;
    std::function<void(QWidget *mainWindow)> open;
};

std::vector<DialogShot> makeDialogShots()
{
    std::vector<DialogShot> shots{
        {"vehicle-editor",
         [](QWidget *main) {
             DataSet vehicles;
             dm().OpenQuery(QStringLiteral("select * from T_cars order by F_code"), vehicles);
             VehicleEditor editor(main);
             editor.setSource(&vehicles);
             DispFormPos(&editor, 1);
             editor.OpenEditor(true);
         }},
        {"vehicle-picker",
         [](QWidget *main) {
             VehiclePicker picker(main);
             DispFormPos(&picker, 1);
             picker.PickVehicle();
         }},
        {"vehicle-query",
         [](QWidget *main) {
             VehicleQueryDialog dialog(main);
             dialog.QueryText();
         }},
        {"image-viewer",
         [](QWidget *main) {
             ImageViewer viewer(main);
             QImage picture(480, 320, QImage::Format_RGB32);
             picture.fill(QColor(70, 110, 160));
             viewer.setPicture(picture);
             DispFormPos(&viewer, 0);
             viewer.ShowPicture(QString());
         }},
    };
    // Each record kind's editor on the last record of its kind.
    for (const RecordKind &kind : RecordKinds::all()) {
        static QList<QByteArray> names;
        names << QByteArray("editor-") + kind.word.toLatin1();
        const RecordKind *k = &kind;
        shots.push_back({names.constLast().constData(), [k](QWidget *main) {
                             DataSet records;
                             dm().OpenQuery(QStringLiteral("select * from ") + k->table +
                                                QStringLiteral(" order by F_ID"),
                                            records);
                             records.last();
                             RecordEditor editor(*k, main);
                             editor.setSource(&records);
                             DispFormPos(&editor, 1);
                             editor.OpenEditor(!records.isEmpty());
                         }});
    }
    // Each partner kind's editor on its first unit, and the employee editor on the first one.
    for (const PartnerKind &kind : PartnerKinds::all()) {
        static QList<QByteArray> names;
        names << QByteArray("editor-") + kind.word.toLower().toLatin1() + "office";
        const PartnerKind *k = &kind;
        shots.push_back({names.constLast().constData(), [k](QWidget *main) {
                             DataSet units;
                             dm().OpenQuery(QStringLiteral("select * from ") + k->table +
                                                QStringLiteral(" order by F_code"),
                                            units);
                             PartnerEditor editor(*k, main);
                             editor.setSource(&units);
                             DispFormPos(&editor, 1);
                             editor.OpenEditor(!units.isEmpty());
                         }});
    }
    shots.push_back({"editor-employee", [](QWidget *main) {
                         DataSet employees;
                         dm().OpenQuery(QStringLiteral("select * from T_employee order by F_code"),
                                        employees);
                         EmployeeEditor editor(main);
                         editor.setSource(&employees);
                         DispFormPos(&editor, 1);
                         editor.OpenEditor(!employees.isEmpty());
                     }});
    return shots;
}

const std::vector<DialogShot> &dialogShots()
{
    static const std::vector<DialogShot> shots = makeDialogShots();
    return shots;
}

void photographDialogs(MainWindow &main, PictureFolder &pictures)
{
    for (const DialogShot &shot : dialogShots()) {
        ModalGrabber grabber(pictures, QString::fromLatin1(shot.name));
        shot.open(&main);
        if (!grabber.done())
            std::fprintf(stderr, "%s showed no window\n", shot.name);
    }
}

} // namespace

int runScreenshots(DataModule &dm, const QString &folder)
{
    ScriptedPlatform scripted; // every question answered No, nothing waits for a person
    PictureFolder pictures(folder);
    if (!pictures.prepare()) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 2;
    }

    StartupHooks hooks;
    hooks.createMainWindow = [] { return std::unique_ptr<QWidget>(new MainWindow); };
    hooks.firstLogin = [&pictures](QWidget *window) {
        photographLogin(pictures);
        Session::StartSession(QStringLiteral("admin"), qobject_cast<MainWindow *>(window));
        return true;
    };
    std::unique_ptr<QWidget> window = Startup::run(dm, hooks);
    auto *main = qobject_cast<MainWindow *>(window.get());
    if (!main) {
        std::fprintf(stderr, "the database could not be opened\n");
        return 1;
    }
    // The same picture size on every machine.
    main->resize(1100, 720);
    main->show();
    settle(500);
    pictures.save(main->grab(), QStringLiteral("main"));
    photographMenus(*main, pictures);
    photographNavigation(*main, pictures);
    photographCommands(*main, pictures);
    photographDialogs(*main, pictures);
    return pictures.failed() ? 1 : 0;
}
