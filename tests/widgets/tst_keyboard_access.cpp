// Every menu item is reached from the keyboard alone: Alt and the menu's letter open
// it, the arrows reach the item, Enter runs it; each window it opens has the focus
// on one of its controls, names each control for screen readers, lets Tab reach
// every control, and closes with Escape.
#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "progress/history_file.h"
#include "shell/help_viewer.h"
#include "shell/typewriting_window.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

// The controls that take the focus by Tab; a control's inner editor that hands its
// focus to the control is the control.
QList<QWidget*> TabControls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            controls << w;
    return controls;
}

// What the window shows a keyboard and screen-reader user; empty when all is well.
QStringList KeyboardFaults(QWidget& window) {
    QStringList faults;
    const QList<QWidget*> controls = TabControls(window);
    if (!controls.contains(window.focusWidget())) faults << "no control has the focus";
    for (QWidget* w : controls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            faults << QString("no name: %1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    // A text with links takes a Tab for each link before the next control.
    QSet<QWidget*> reached;
    for (int i = 0; i < 500 && window.focusWidget() && reached.size() < controls.size(); ++i) {
        reached << window.focusWidget();
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    }
    // Tab reaches a group of radio buttons at one of them; the arrows choose the others.
    for (QWidget* w : controls)
        if (qobject_cast<QRadioButton*>(w) && reached.contains(w))
            for (QRadioButton* sibling : w->parentWidget()->findChildren<QRadioButton*>()) reached << sibling;
    for (QWidget* w : controls)
        if (!reached.contains(w))
            faults << QString("not reached by Tab: %1 %2").arg(w->metaObject()->className(), w->objectName());
    return faults;
}

}  // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallHelpViewer(TECLARIUM_DATA_DIR "/Teclarium.html"); }

    void menuItemsByKeyboard_data() {
        QTest::addColumn<char>("menu");  // the menu's letter with Alt
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("windows");  // titles of the windows it opens, in order
        QTest::newRow("shortcut") << 'A' << "MI_F_MkLink" << QStringList{"Creació d'una drecera al programa"};
        QTest::newRow("several users: who, then whether to go on")
            << 'A' << "MI_F_SeveralUsers" << QStringList{"Qui sou?", "Confirma"};
        QTest::newRow("unusual options")
            << 'A' << "MI_F_UnusualOptions" << QStringList{"Opcions inhabituals"};
        QTest::newRow("progress") << 'A' << "MI_F_Progress" << QStringList{"Progrés"};
        QTest::newRow("group report") << 'A' << "MI_F_GroupReport" << QStringList{"Informe del grup"};
        QTest::newRow("course (beside the main window)") << 'A' << "MI_F_Course" << QStringList{"beside"};
        QTest::newRow("exit") << 'A' << "MI_F_Exit" << QStringList{};
        QTest::newRow("introduction") << 'J' << "MI_H_Introduction" << QStringList{"help"};
        QTest::newRow("help on the window") << 'J' << "MI_H_Help" << QStringList{"help"};
        QTest::newRow("contents") << 'J' << "MI_H_Contents" << QStringList{"help"};
        QTest::newRow("about") << 'J' << "MI_H_About" << QStringList{"Referència"};
    }
    void menuItemsByKeyboard() {
        QFETCH(char, menu);
        QFETCH(QString, item);
        QFETCH(QStringList, windows);
        TTestFolder folder;
        // A history with missed keys: the progress window shows its table and its button.
        folder.Write("Teclarium.hist", QByteArray::fromStdString(std::string(kHistoryHeader)) +
                                           "\r\n2026-12-01 10:00:00\tfitxer.tcm\t5\t40\t4\t0\t60.0\t0."
                                           "0\t12.0\t5.0\t40\t{a=30/2[s*2] b=10/2[v*2]}\r\n");
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QStringList titles, faults;
        TDialogAnswers dialogs;
        for (int i = 0; i < windows.size(); ++i)
            dialogs.Expect([&](QDialog& d) {
                QTimer::singleShot(0, &d, [&] {
                    // The window manager's part: a new window becomes the active one.
                    d.activateWindow();
                    QTRY_VERIFY(d.isActiveWindow());
                    titles << d.windowTitle();
                    faults << KeyboardFaults(d);
                    QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
                });
                return d.exec();
            });

        QMenu* opened = menu == 'A' ? window.MI_File : window.MI_Help;
        QTest::keyClick(&window, menu, Qt::AltModifier);
        QTRY_VERIFY(opened->isVisible());
        QAction* target = window.findChild<QAction*>(item);
        for (int i = 0; i < opened->actions().size() && opened->activeAction() != target; ++i)
            QTest::keyClick(opened, Qt::Key_Down);
        QCOMPARE(opened->activeAction(), target);
        QTest::keyClick(opened, Qt::Key_Return);

        // Windows that stay open beside the main window: the help viewer, the course.
        if (windows == QStringList{"help"} || windows == QStringList{"beside"}) {
            QWidget* beside = windows == QStringList{"help"}
                                  ? static_cast<QWidget*>(HelpViewerWindow())
                                  : window.findChild<QDialog*>(QStringLiteral("TFCourse"));
            QVERIFY(beside);
            QTRY_VERIFY(beside->isActiveWindow());
            faults << KeyboardFaults(*beside);
            QTest::keyClick(beside, Qt::Key_Escape);
            QTRY_VERIFY(!beside->isVisible());
        } else {
            QTRY_COMPARE(dialogs.Shown(), int(windows.size()));
            for (int i = 0; i < windows.size(); ++i)
                QVERIFY2(titles.value(i).startsWith(windows[i]), qPrintable(titles.join('|')));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(dialogs.Unexpected(), 0);
        // Every window closed by Escape: only an exit leaves the main window.
        QCOMPARE(window.isVisible(), item != "MI_F_Exit");
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
