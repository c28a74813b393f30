#include "PictureFiles.h"

#include "app/PictureData.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"
#include "vehicles/ImageViewer.h"
#include "vehicles/PictureExport.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vehiclestest;

namespace {

// Presses a command's tool button, as the operator does (a disabled one does nothing).
void press(ImageViewer &viewer, const char *command)
{
    auto *action = viewer.findChild<QAction *>(QLatin1String(command));
    auto *bar = viewer.findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
}

bool enabled(ImageViewer &viewer, const char *command)
{
    return viewer.findChild<QAction *>(QLatin1String(command))->isEnabled();
}

QString panelText(ImageViewer &viewer, int panel)
{
    return viewer.findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(panel))->text();
}

QWidget *picturePanel(ImageViewer &viewer)
{
    return viewer.findChild<QWidget *>(QStringLiteral("Panel1"));
}

QScrollArea *scrollBox(ImageViewer &viewer)
{
    return viewer.findChild<QScrollArea *>(QStringLiteral("ScrollBox1"));
}

// A viewer the test failed to close would block the run.
void closeIfOpen(ImageViewer &viewer)
{
    if (viewer.isVisible()) {
        qWarning("the viewer was still open");
        viewer.done(-1);
    }
}

// Runs ShowPicture(path) with `act` working in the open viewer; returns the result.
QString showPicture(ImageViewer &viewer, const QString &path,
                    const std::function<void(ImageViewer &)> &act, bool *acted)
{
    orvtest::whenModalNamed(QStringLiteral("TfrmImageDisp"), [&](QWidget *) {
        act(viewer);
        *acted = true;
        closeIfOpen(viewer);
    });
    return viewer.ShowPicture(path);
}

} // namespace

class ImageViewerTest : public QObject {
    Q_OBJECT
private slots:
    void zoomStopsAtBothEnds();
    void showPictureReturnsThePathSettledOn_data();
    void showPictureReturnsThePathSettledOn();
    void unreadableFileKeepsThePicture_data();
    void unreadableFileKeepsThePicture();
    void smallPictureIsCentredLargeOneScrolls();
    void fullScreenAndBackWithEsc();
    void exportWritesTheChosenFilter_data();
    void exportWritesTheChosenFilter();
};

void ImageViewerTest::zoomStopsAtBothEnds()
{
    TestEnvironment env;
    ImageViewer viewer;
    viewer.setPicture(testImage(64, 48));
    viewer.show();
    QCOMPARE(panelText(viewer, 3), QStringLiteral("64x48"));
    QCOMPARE(panelText(viewer, 4), QStringLiteral("100%"));

    for (int i = 0; i < 6; ++i)
        press(viewer, "actZoomIn");
    QCOMPARE(viewer.zoomIndex(), 15);
    QVERIFY(!enabled(viewer, "actZoomIn"));
    QCOMPARE(picturePanel(viewer)->size(), QSize(640, 480));
    QCOMPARE(panelText(viewer, 4), QStringLiteral("1000%"));
    press(viewer, "actZoomIn");
    QCOMPARE(viewer.zoomIndex(), 15);

    press(viewer, "actZoomOut");
    QVERIFY(enabled(viewer, "actZoomIn"));
    QCOMPARE(picturePanel(viewer)->size(), QSize(448, 336));
    QCOMPARE(panelText(viewer, 4), QStringLiteral("700%"));

    for (int i = 0; i < 13; ++i)
        press(viewer, "actZoomOut");
    QCOMPARE(viewer.zoomIndex(), 1);
    QVERIFY(!enabled(viewer, "actZoomOut"));
    QCOMPARE(picturePanel(viewer)->size(), QSize(3, 2)); // 3.2 x 2.4 rounded
    QCOMPARE(panelText(viewer, 4), QStringLiteral("5%"));

    // Natural size leaves neither command disabled at level 9.
    press(viewer, "actNatural");
    QCOMPARE(viewer.zoomIndex(), 9);
    QVERIFY(enabled(viewer, "actZoomIn") && enabled(viewer, "actZoomOut"));
    QCOMPARE(picturePanel(viewer)->size(), QSize(64, 48));
}

void ImageViewerTest::showPictureReturnsThePathSettledOn_data()
{
    QTest::addColumn<bool>("callerFile"); // the caller's path names a file (30x20)
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QSize>("shown");    // the picture shown after the steps
    QTest::addColumn<QString>("result"); // "old", "new" or "" (empty)
    QTest::newRow("stored picture, 保存 unchanged")
        << false << QStringList{"save"} << QSize(64, 48) << "old";
    QTest::newRow("caller's file replaces the copy")
        << true << QStringList{"save"} << QSize(30, 20) << "old";
    QTest::newRow("载入 then 保存")
        << false << QStringList{"load", "save"} << QSize(80, 60) << "new";
    QTest::newRow("载入 then 取消")
        << true << QStringList{"load", "cancel"} << QSize(80, 60) << "old";
    QTest::newRow("载入 then window closed")
        << false << QStringList{"load", "close"} << QSize(80, 60) << "old";
    QTest::newRow("清空 then 保存") << false << QStringList{"clear", "save"} << QSize(0, 0) << "";
    QTest::newRow("载入 cancelled, 保存")
        << false << QStringList{"load nothing", "save"} << QSize(64, 48) << "old";
}

void ImageViewerTest::showPictureReturnsThePathSettledOn()
{
    QFETCH(bool, callerFile);
    QFETCH(QStringList, steps);
    QFETCH(QSize, shown);
    QFETCH(QString, result);
    TestEnvironment env;
    // Stored pictures carry a name without folders, which names no file here.
    const QString oldPath =
        callerFile ? writePicture(env.path("old.bmp"), "bmp", 30, 20) : QStringLiteral("car1.jpg");
    const QString newPath = writePicture(env.path("new.jpg"), "jpeg", 80, 60);
    QVERIFY(!oldPath.isEmpty() && !newPath.isEmpty());
    QTemporaryDir stored;
    const std::optional<PictureFile> copied =
        PictureData::readPictureFile(writePicture(stored.filePath("c.png"), "png", 64, 48));
    QVERIFY(copied);

    ImageViewer viewer;
    viewer.setPictureBytes(copied->bytes);
    bool acted = false;
    QSize seen;
    QString statusPath;
    const QString returned = showPicture(
        viewer, oldPath,
        [&](ImageViewer &v) {
            for (const QString &step : steps) {
                if (step == u"load") {
                    env.platform().files.enqueue(newPath);
                    press(v, "actLoad");
                } else if (step == u"load nothing") {
                    press(v, "actLoad"); // the file dialog cancelled
                } else if (step == u"clear") {
                    press(v, "actClear");
                } else {
                    seen = picturePanel(v)->size();
                    statusPath = panelText(v, 2);
                    if (step == u"save")
                        press(v, "actSave");
                    else if (step == u"cancel")
                        press(v, "actCancel");
                    else
                        v.close();
                }
            }
        },
        &acted);
    QVERIFY(acted);
    QCOMPARE(seen, shown);
    QCOMPARE(viewer.zoomIndex(), 9);
    const QString expected = result == u"old" ? oldPath : result == u"new" ? newPath : QString();
    QCOMPARE(returned, expected);
    if (steps.contains(QStringLiteral("load")))
        QCOMPARE(statusPath, newPath);
    QVERIFY(env.platform().shown.isEmpty());
}

void ImageViewerTest::unreadableFileKeepsThePicture_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("byCaller"); // the caller's path, rather than 载入
    QTest::newRow("载入 a text file") << "text" << false;
    QTest::newRow("载入 an empty file") << "empty" << false;
    QTest::newRow("载入 a 50 MB file") << "huge" << false;
    QTest::newRow("the caller's damaged file") << "text" << true;
}

void ImageViewerTest::unreadableFileKeepsThePicture()
{
    QFETCH(QString, kind);
    QFETCH(bool, byCaller);
    TestEnvironment env;
    const QString bad = env.path("bad.jpg");
    if (kind == u"text")
        QVERIFY(writeBytes(bad, "no picture here"));
    else if (kind == u"empty")
        QVERIFY(writeJunk(bad, 0));
    else
        QVERIFY(!writePicture(bad, "jpeg").isEmpty() && padFile(bad, 50 * 1024 * 1024));
    const QString oldPath = byCaller ? bad : QStringLiteral("car1.jpg");

    ImageViewer viewer;
    viewer.setPicture(testImage(64, 48));
    bool acted = false;
    QSize seen;
    QString statusPath;
    const QString returned = showPicture(
        viewer, oldPath,
        [&](ImageViewer &v) {
            press(v, "actZoomIn");
            if (!byCaller) {
                env.platform().files.enqueue(bad);
                press(v, "actLoad");
            }
            seen = picturePanel(v)->size();
            statusPath = panelText(v, 2);
            press(v, "actSave");
        },
        &acted);
    QVERIFY(acted);
    QCOMPARE(env.platform().shown.size(), 1);
    const QString expected =
        kind == u"huge"
            ? PictureData::tooLargeMessage(bad)
            : QStringLiteral("读取文件：") + bad +
                  QStringLiteral("时发生错误！\r该文件不是标准格式的文件，或者该文件已经被损坏！");
    QCOMPARE(env.platform().shown.first().text, expected);
    QCOMPARE(env.platform().shown.first().kind, Platform::MessageKind::Error);
    // The previous picture and its layout stay, and so does its path.
    QCOMPARE(seen, QSize(96, 72));
    QCOMPARE(statusPath, oldPath);
    QCOMPARE(returned, oldPath);
}

void ImageViewerTest::smallPictureIsCentredLargeOneScrolls()
{
    TestEnvironment env;
    ImageViewer viewer;
    viewer.resize(600, 450);
    viewer.setPicture(testImage(100, 80));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QWidget *viewport = scrollBox(viewer)->viewport();
    QTRY_COMPARE(picturePanel(viewer)->pos(),
                 QPoint((viewport->width() - 100) / 2, (viewport->height() - 80) / 2));
    QVERIFY(viewport->width() > 100 && viewport->height() > 80);

    viewer.setPicture(testImage(3000, 2000));
    QTRY_COMPARE(picturePanel(viewer)->pos(), QPoint(0, 0));
    QScrollBar *vertical = scrollBox(viewer)->verticalScrollBar();
    QScrollBar *horizontal = scrollBox(viewer)->horizontalScrollBar();
    QCOMPARE(vertical->value(), 0);
    // The keys act wherever the focus is.
    QWidget *focus = viewer.findChild<QToolBar *>()->widgetForAction(
        viewer.findChild<QAction *>(QStringLiteral("actZoomIn")));
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_PageDown);
    QCOMPARE(vertical->value(), vertical->pageStep());
    QTest::keyClick(focus, Qt::Key_Down);
    QCOMPARE(vertical->value(), vertical->pageStep() + vertical->singleStep());
    QTest::keyClick(focus, Qt::Key_PageUp);
    QTest::keyClick(focus, Qt::Key_Up);
    QCOMPARE(vertical->value(), 0);
    QTest::keyClick(focus, Qt::Key_Right);
    QCOMPARE(horizontal->value(), horizontal->singleStep());
    QCOMPARE(picturePanel(viewer)->pos(), QPoint(-horizontal->value(), 0));
    QTest::keyClick(focus, Qt::Key_Left);
    QCOMPARE(horizontal->value(), 0);

    // Space goes back to natural size from any level.
    press(viewer, "actZoomOut");
    QTest::keyClick(focus, Qt::Key_Space);
    QCOMPARE(viewer.zoomIndex(), 9);
    QCOMPARE(picturePanel(viewer)->size(), QSize(3000, 2000));
}

void ImageViewerTest::fullScreenAndBackWithEsc()
{
    TestEnvironment env;
    ImageViewer viewer;
    viewer.setPicture(testImage(64, 48));
    bool acted = false, full = false, barsHidden = false, barsBack = false, open = false;
    const QString returned = showPicture(
        viewer, QStringLiteral("car1.jpg"),
        [&](ImageViewer &v) {
            press(v, "actZoomIn");
            v.findChild<QAction *>(QStringLiteral("actFullScreen"))->trigger();
            full = v.isFullScreenView() && v.zoomIndex() == 9;
            barsHidden = !v.findChild<QToolBar *>()->isVisible() &&
                         !v.findChild<QStatusBar *>()->isVisible() &&
                         !v.findChild<QMenuBar *>()->isVisible();
            QTest::keyClick(&v, Qt::Key_Escape);
            barsBack = !v.isFullScreenView() && v.findChild<QToolBar *>()->isVisible() &&
                       v.findChild<QStatusBar *>()->isVisible() &&
                       v.findChild<QMenuBar *>()->isVisible();
            // Outside full screen Esc does nothing: the viewer stays open.
            QTest::keyClick(&v, Qt::Key_Escape);
            open = v.isVisible();
            press(v, "actSave");
        },
        &acted);
    QVERIFY(acted);
    QVERIFY(full);
    QVERIFY(barsHidden);
    QVERIFY(barsBack);
    QVERIFY(open);
    QCOMPARE(returned, QStringLiteral("car1.jpg"));
}

void ImageViewerTest::exportWritesTheChosenFilter_data()
{
    QTest::addColumn<QString>("source"); // the format of the shown picture's file
    QTest::addColumn<int>("filter");     // position in the save dialog's list
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written"); // the file written; empty: none
    QTest::addColumn<QString>("format");
    QTest::newRow("JPEG filter, other extension") << "png" << 0 << "out.png"
                                                  << "out.jpg"
                                                  << "jpeg";
    QTest::newRow("BMP filter") << "jpeg" << 2 << "out"
                                << "out.bmp"
                                << "bmp";
    QTest::newRow("GIF filter, GIF picture") << "gif" << 1 << "out.gif"
                                             << "out.gif"
                                             << "gif";
    QTest::newRow("GIF filter, JPEG picture") << "jpeg" << 1 << "out.gif"
                                              << ""
                                              << "";
}

void ImageViewerTest::exportWritesTheChosenFilter()
{
    QFETCH(QString, source);
    QFETCH(int, filter);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, format);
    TestEnvironment env;
    const QString sourcePath =
        writePicture(env.path(QStringLiteral("in.") + source), qPrintable(source));
    QVERIFY(!sourcePath.isEmpty());

    ImageViewer viewer;
    bool acted = false;
    showPicture(
        viewer, sourcePath,
        [&](ImageViewer &v) {
            env.platform().files.enqueue(env.path(chosen));
            env.platform().filterChoices.enqueue(filter);
            press(v, "actExport");
            press(v, "actCancel");
        },
        &acted);
    QVERIFY(acted);
    QDir folder(env.folder());
    const QStringList outputs = folder.entryList({QStringLiteral("out*")}, QDir::Files);
    if (written.isEmpty()) {
        QCOMPARE(outputs, QStringList());
        QCOMPARE(env.platform().lastText(), PictureExport::gifRefusedMessage());
        return;
    }
    QCOMPARE(outputs, QStringList{written});
    QVERIFY(env.platform().shown.isEmpty());
    const QByteArray bytes = fileBytes(env.path(written));
    QCOMPARE(PictureData::pictureFormat(bytes), format.toLatin1());
    QCOMPARE(PictureData::decodePicture(bytes).size(), viewer.picture().size());
    if (format == u"gif")
        QCOMPARE(bytes, fileBytes(sourcePath));
}

ORV_TEST(ImageViewerTest)
#include "ImageViewerTest.moc"
