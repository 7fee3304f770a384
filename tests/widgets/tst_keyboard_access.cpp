// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Every menu item is reached from the keyboard alone: Alt and the menu's letter open
// it, the arrows reach the item, Enter runs it; each window it opens has the focus
// on one of its controls, names each control for screen readers, lets Tab reach
// every control, and closes with Escape. Every button and menu item has a mnemonic of
// its own within its window; a dialog opens on its first option; the menus hidden with
// the upper panel come back with Alt and their letter.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "progress/history_file.h"
#include "shell/help_viewer.h"
#include "shell/make_link_dialog.h"
#include "shell/typewriting_window.h"
#include "shell/unusual_options_dialog.h"
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

// The mnemonic letter of a caption ("&Desa" D, "&&" none), or 0.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

// Buttons without a mnemonic (or a shortcut of their own), and letters that two
// captions of the window share.
QStringList MnemonicFaults(QWidget& window, const QList<QAction*>& menus = {}) {
    QStringList faults;
    QMap<QChar, QStringList> owners;
    const auto own = [&](const QString& text) {
        if (const QChar letter = Mnemonic(text); !letter.isNull()) owners[letter] << text;
    };
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&window) || !b->text().contains(QRegularExpression("\\w"))) continue;
        if (Mnemonic(b->text()).isNull() && b->shortcut().isEmpty()) faults << "no mnemonic: " + b->text();
        own(b->text());
    }
    for (QGroupBox* g : window.findChildren<QGroupBox*>()) own(g->title());
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->buddy()) own(l->text());
    for (QAction* menu : menus) own(menu->text());
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1) faults << QString("%1 shared by: %2").arg(it.key(), it.value().join(", "));
    return faults;
}

// What the window shows a keyboard and screen-reader user; empty when all is well.
QStringList KeyboardFaults(QWidget& window) {
    QStringList faults;
    const QList<QWidget*> controls = TabControls(window);
    if (!controls.contains(window.focusWidget())) faults << "no control has the focus";
    if (window.focusWidget() && window.focusWidget()->objectName() == "BB_Ok") faults << "opens on D'acord";
    // The course window's captions are its own subsystem's.
    if (window.objectName() != "TFCourse") faults << MnemonicFaults(window);
    for (QWidget* w : controls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            faults << QString("no name: %1 %2").arg(w->metaObject()->className(), w->objectName());
        // A closed list's value is read as its text.
        auto* combo = qobject_cast<QComboBox*>(w);
        if (a && combo && !combo->isEditable() &&
            (!a->textInterface() || a->textInterface()->text(0, -1) != combo->currentText()))
            faults << QString("no value read: %1").arg(w->objectName());
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
        QTest::newRow("unusual options") << 'A' << "MI_F_UnusualOptions" << QStringList{"Opcions inusuals"};
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

        QMenu* opened = menu == 'A' ? Child<QMenu>(window, "MI_File") : Child<QMenu>(window, "MI_Help");
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

    // The main window: its buttons, boxes and menus, and each menu's items.
    void mainWindowMnemonics() {
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList faults = MnemonicFaults(window, {Child<QMenu>(window, "MI_File")->menuAction(),
                                                     Child<QMenu>(window, "MI_Help")->menuAction()});
        for (QMenu* menu : {Child<QMenu>(window, "MI_File"), Child<QMenu>(window, "MI_Help")}) {
            QMap<QChar, QStringList> owners;
            for (QAction* item : menu->actions()) {
                if (item->isSeparator()) continue;
                if (Mnemonic(item->text()).isNull())
                    faults << "no mnemonic: " + item->text();
                else
                    owners[Mnemonic(item->text())] << item->text();
            }
            for (const QStringList& texts : owners)
                if (texts.size() > 1) faults << "shared in a menu: " + texts.join(", ");
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The upper panel and the menus hidden: the button is reached by Tab and by Alt+X,
    // and Alt with a menu's letter shows them again with that menu open.
    void hiddenMenusComeBack_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Arxiu") << 'A' << "MI_File";
        QTest::newRow("Ajuda") << 'J' << "MI_Help";
    }
    void hiddenMenusComeBack() {
        QFETCH(char, letter);
        QFETCH(QString, menu);
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(Child<QPushButton>(window, "BB_Hide")->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(window.TopPanelHidden());  // a button's shortcut clicks it a moment later
        QTest::keyClick(&window, letter, Qt::AltModifier);
        QVERIFY(!window.TopPanelHidden());
        QTRY_VERIFY(window.findChild<QMenu*>(menu)->isVisible());
    }

    // A dialog opens on its first option; Tab into a group of choices lands on the chosen one.
    void dialogsOpenOnTheirFirstOption_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("first");     // the control with the focus at the opening
        QTest::addColumn<QString>("afterTab");  // and after a Tab
        QTest::newRow("unusual options, one hand") << "unusual"
                                                   << "CB_CenteredWindow"
                                                   << "RG_HandsNumber_1";
        QTest::newRow("shortcut: the desktop chosen") << "link"
                                                      << "RG_PresetDirs2"
                                                      << "BB_Ok";
    }
    void dialogsOpenOnTheirFirstOption() {
        QFETCH(QString, dialog);
        QFETCH(QString, first);
        QFETCH(QString, afterTab);
        std::unique_ptr<QDialog> shown;
        if (dialog == "unusual") {
            auto unusual = std::make_unique<TFUnusualOptions>(0);
            unusual->SetOneHand(true);
            shown = std::move(unusual);
        } else {
            shown = std::make_unique<TFMakeLinkProgram>(0);
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QVERIFY(shown->focusWidget());
        QCOMPARE(shown->focusWidget()->objectName(), first);
        QTest::keyClick(shown->focusWidget(), Qt::Key_Tab);
        QCOMPARE(shown->focusWidget()->objectName(), afterTab);
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
