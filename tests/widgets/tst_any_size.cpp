// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Any size, any sight, at twice the size (a scale factor of 2): the contrast ratio,
// the nearest readable colour, the main window's next word and counters against its
// background, a window larger than the screen placed with its top left corner on it,
// the progress window within the screen, its history scrolling, and the main window
// within a 1280 × 1024 screen, scrolling to each of its controls, and so does the course's,
// clear of the typing field; every dialog, the group report and the help fit or
// scroll, each control that Tab reaches in sight.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "course/ui/course_window.h"
#include "drill/ui/typing_edit.h"
#include "progress/history_file.h"
#include "progress/ui/progress_window.h"
#include "shell/help_viewer.h"
#include "shell/typewriting_window.h"
#include "util/ui/placement.h"
#include "util/ui/readable_colour.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

// What a window leaves out of sight: its frame off the screen, or a control that Tab
// reaches outside the screen or outside the scroll area it lies in.
QStringList OutOfSight(QWidget& window) {
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (!screen.contains(frame))
        faults << QString("%1: %2x%3 at %4,%5")
                      .arg(window.windowTitle())
                      .arg(frame.width())
                      .arg(frame.height())
                      .arg(frame.x())
                      .arg(frame.y());
    for (int i = 0; i < 40 && window.focusWidget(); ++i) {
        QWidget* focused = window.focusWidget();
        // Where it shows its caret or its current item (what a scroll area brings into
        // sight), else the whole control.
        const QRect cursor = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QRect at = cursor.isValid() ? cursor : focused->rect();
        at.moveTopLeft(focused->mapToGlobal(at.topLeft()));
        for (QWidget* p = focused->parentWidget(); p && p != &window; p = p->parentWidget())
            if (auto* area = qobject_cast<QAbstractScrollArea*>(p)) {
                const QRect view(area->viewport()->mapToGlobal(QPoint(0, 0)), area->viewport()->size());
                at.setSize(at.size().boundedTo(view.size()));  // a larger control shows its start
                if (!view.contains(at))
                    faults << QString("out of its scroll area: %1 at %2,%3 %4x%5, the view at %6,%7 %8x%9")
                                  .arg(focused->objectName())
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(at.width())
                                  .arg(at.height())
                                  .arg(view.x())
                                  .arg(view.y())
                                  .arg(view.width())
                                  .arg(view.height());
            }
        if (!screen.contains(at)) faults << "off the screen: " + focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    faults.removeDuplicates();
    return faults;
}

}  // namespace

class TestAnySize : public QObject {
    Q_OBJECT

  private slots:
    void contrastRatio_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("the same colour") << QColor("#efefef") << QColor("#efefef") << 1.0;
        QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 3.998;
        QTest::newRow("red on the window's grey") << QColor(Qt::red) << QColor("#efefef") << 3.48;
        QTest::newRow("order does not matter") << QColor("#efefef") << QColor(Qt::red) << 3.48;
    }
    void contrastRatio() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(ContrastRatio(a, b))));
    }

    void readableOn_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("darker");  // else lighter
        QTest::newRow("red on grey: darker red") << QColor(Qt::red) << QColor("#efefef") << true;
        QTest::newRow("disabled grey on grey") << QColor("#bebebe") << QColor("#efefef") << true;
        QTest::newRow("grey on a dark theme: lighter") << QColor("#606060") << QColor("#303030") << false;
        QTest::newRow("already readable: as it was") << QColor(Qt::black) << QColor(Qt::white) << false;
    }
    void readableOn() {
        QFETCH(QColor, colour);
        QFETCH(QColor, background);
        QFETCH(bool, darker);
        const QColor readable = ReadableOn(colour, background);
        QVERIFY(ContrastRatio(readable, background) >= kReadableContrast);
        if (ContrastRatio(colour, background) >= kReadableContrast) {
            QCOMPARE(readable, colour);
            return;
        }
        // Just far enough: a little less would not do, and the hue is kept.
        QVERIFY(ContrastRatio(readable, background) < kReadableContrast + 0.2);
        QCOMPARE(readable.lightness() < colour.lightness(), darker);
        QCOMPARE(readable.hue(), colour.hue());
    }

    void placedOnTheScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("centred");
        QTest::newRow("smaller than the screen: centred") << QSize(300, 200) << true;
        QTest::newRow("larger than the screen: at its top left") << QSize(5000, 4000) << false;
    }
    void placedOnTheScreen() {
        QFETCH(QSize, size);
        QFETCH(bool, centred);
        QWidget window;
        window.resize(size);
        CentreOnScreen(window);
        const QRect available = window.screen()->availableGeometry();
        if (centred)
            QVERIFY(qAbs(window.frameGeometry().center().x() - available.center().x()) <= 1);
        else
            QCOMPARE(window.pos(), available.topLeft());
    }

    void progressWithinTheScreen() {
        TTestFolder folder;
        folder.Write("Teclarium.hist", QByteArray::fromStdString(std::string(kHistoryHeader)) +
                                           "\r\n2026-12-01 10:00:00\tfitxer.tcm\t5\t40\t4\t0\t60.0\t0."
                                           "0\t12.0\t5.0\t40\t{a=30/2[s*2] b=10/2[v*2]}\r\n");
        TFTypewriting window;
        TFProgress dialog(ReadProgressFile("Teclarium.hist"), window.KeyDisplay().KeyCharsList(), &window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize available = dialog.screen()->availableGeometry().size();
        QVERIFY2(dialog.width() <= available.width() && dialog.height() <= available.height(),
                 qPrintable(QString("%1x%2 on %3x%4")
                                .arg(dialog.width())
                                .arg(dialog.height())
                                .arg(available.width())
                                .arg(available.height())));
        auto* history = dialog.findChild<QScrollArea*>("SB_History");
        QVERIFY(history && history->widget()->isAncestorOf(dialog.TW_MostMissed));
        QVERIFY(dialog.BB_Close->isVisible());
    }

    void mainWindowWithinTheScreen() {
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.screen()->geometry().size(), QSize(640, 512));  // 1280 × 1024 at twice the size
        const QSize available = window.screen()->availableGeometry().size();
        QVERIFY2(window.width() <= available.width() && window.height() <= available.height(),
                 qPrintable(QString("%1x%2").arg(window.width()).arg(window.height())));
        // Wider than the screen: it scrolls sideways, and its height has room for that
        // scroll bar, so that it needs no other.
        QVERIFY(Child<QWidget>(window, "P_Client")->width() > available.width() &&
                Child<QWidget>(window, "P_Client")->height() < available.height());
        auto* area = window.findChild<QScrollArea*>("SB_Window");
        QVERIFY(area && area->widget() == Child<QWidget>(window, "P_Client"));
        QVERIFY(area->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(area->verticalScrollBar()->maximum(), 0);
        for (QWidget* w : {static_cast<QWidget*>(Child<QMenuBar>(window, "MainMenu1")),
                           Child<QWidget>(window, "Panel1"), Child<QWidget>(window, "P_VirtualKeyboard")})
            QVERIFY(Child<QWidget>(window, "P_Client")->isAncestorOf(w));

        // Each control that Tab reaches comes into sight.
        const QRect sight = area->viewport()->rect();
        Child<QPushButton>(window, "BB_Play")->setFocus();
        QSet<QWidget*> reached;
        for (int i = 0; i < 60; ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused && Child<QWidget>(window, "P_Client")->isAncestorOf(focused));
            reached.insert(focused);
            const QRect at(focused->mapTo(area->viewport(), QPoint(0, 0)),
                           focused->size().boundedTo(sight.size()));
            QVERIFY2(sight.contains(at), qPrintable(focused->objectName()));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QVERIFY2(reached.size() > 10, qPrintable(QString::number(reached.size())));
        // The far corner of the content too.
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QPoint corner(Child<QWidget>(window, "P_Client")->width() - 1,
                            Child<QWidget>(window, "P_Client")->height() - 1);
        QVERIFY(sight.contains(Child<QWidget>(window, "P_Client")->mapTo(area->viewport(), corner)));
        // A control given the focus (the start button at a drill's end) comes into sight.
        Child<QPushButton>(window, "BB_Play")->setFocus();
        QVERIFY(
            sight.contains(QRect(Child<QPushButton>(window, "BB_Play")->mapTo(area->viewport(), QPoint(0, 0)),
                                 Child<QPushButton>(window, "BB_Play")->size())));
    }

    void courseWithinTheScreen() {
        TTestFolder folder({"KeyMapping.txt", "CharsToType.txt", "11.tcm", "curs.txt", "paraules.txt"});
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));  // placed where it stays
        Child<QAction>(window, "MI_F_Course")->trigger();
        auto* course = window.findChild<TFCourse*>();
        QVERIFY(course && QTest::qWaitForWindowExposed(course));
        const QRect available = course->screen()->availableGeometry();
        QVERIFY2(
            available.contains(course->frameGeometry()),
            qPrintable(
                QString("%1x%2").arg(course->frameGeometry().width()).arg(course->frameGeometry().height())));
        // No room beside the main window: it leaves the typing field in sight.
        const QRect field(Child<TTypingEdit>(window, "Edit")->mapToGlobal(QPoint(0, 0)),
                          Child<TTypingEdit>(window, "Edit")->size());
        QVERIFY2(!course->frameGeometry().intersects(field),
                 qPrintable(QString("%1,%2 %3x%4 over the field at %5,%6")
                                .arg(course->frameGeometry().x())
                                .arg(course->frameGeometry().y())
                                .arg(course->frameGeometry().width())
                                .arg(course->frameGeometry().height())
                                .arg(field.x())
                                .arg(field.y())));
        QVERIFY(QTest::qWaitForWindowActive(course));
        const QStringList faults = OutOfSight(*course);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // Its close button, given the focus, comes into sight.
        auto* area = course->findChild<QScrollArea*>("SB_Course");
        QVERIFY(area);
        course->BB_Close->setFocus();
        QVERIFY(area->viewport()->rect().contains(
            QRect(course->BB_Close->mapTo(area->viewport(), QPoint(0, 0)), course->BB_Close->size())));
    }

    // Every dialog fits the screen or scrolls, each control that Tab reaches in sight.
    void dialogsWithinTheScreen_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("windows");  // how many it opens, one after the other
        QTest::newRow("shortcut") << "MI_F_MkLink" << 1;
        QTest::newRow("several users: who, then whether to go on") << "MI_F_SeveralUsers" << 2;
        QTest::newRow("unusual options") << "MI_F_UnusualOptions" << 1;
        QTest::newRow("progress") << "MI_F_Progress" << 1;
        QTest::newRow("group report") << "MI_F_GroupReport" << 1;
        QTest::newRow("about") << "MI_H_About" << 1;
    }
    void dialogsWithinTheScreen() {
        QFETCH(QString, item);
        QFETCH(int, windows);
        TTestFolder folder;
        folder.Write("Teclarium.hist", QByteArray::fromStdString(std::string(kHistoryHeader)) +
                                           "\r\n2026-12-01 10:00:00\tfitxer.tcm\t5\t40\t4\t0\t60.0\t0."
                                           "0\t12.0\t5.0\t40\t{a=30/2[s*2] b=10/2[v*2]}\r\n");
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList faults;
        TDialogAnswers dialogs;
        for (int i = 0; i < windows; ++i)
            dialogs.Expect([&](QDialog& d) {
                QTimer::singleShot(0, &d, [&] {
                    // The window manager's part: a new window becomes the active one.
                    d.activateWindow();
                    QTRY_VERIFY(d.isActiveWindow());
                    faults << OutOfSight(d);
                    d.reject();
                });
                return d.exec();
            });
        window.findChild<QAction*>(item)->trigger();
        QTRY_COMPARE(dialogs.Shown(), windows);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(dialogs.Unexpected(), 0);
    }

    void helpWithinTheScreen() {
        THelpViewer help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QStringList faults = OutOfSight(help);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void mainWindowLabels() {
        TTestFolder folder;
        TFTypewriting window;
        const QColor background = window.palette().color(QPalette::Window);
        for (QLabel* label : {Child<QLabel>(window, "L_ToNextWrite"), Child<QLabel>(window, "L_ErrorsCount"),
                              Child<QLabel>(window, "L_IncorrectKey"), Child<QLabel>(window, "L_Count")})
            QVERIFY2(
                ContrastRatio(label->palette().color(QPalette::WindowText), background) >= kReadableContrast,
                qPrintable(label->objectName()));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    // A 1280 × 1024 screen.
    QTemporaryDir folder;
    const QString screens = folder.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1280, "height": 1024,
                       "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(screens));
    QApplication app(argc, argv);
    TestAnySize test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_any_size.moc"
