// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's whole life, offscreen: settings read at creation, the first
// activation preparing the saved source, the settings written at close; the
// menus, the hide button and the unusual options.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "keyboard/colour_palette.h"
#include "keyboard/ui/key_panel.h"
#include "shell/help_topics.h"
#include "shell/typewriting_window.h"
#include "shell/unusual_options_dialog.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RejectShortcutOffer(QDialog& dialog) {
    [&] { QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Creació d'una drecera al programa")); }();
    return QDialog::Rejected;
}

}  // namespace

class TestWindowLifecycle : public QObject {
    Q_OBJECT

  private slots:
    void startAndClose_data() {
        QTest::addColumn<QByteArray>("stored");       // the settings file before the start; null: none
        QTest::addColumn<QString>("source");          // the source checked at the first activation
        QTest::addColumn<int>("selected");            // pattern row selected; -2: the last one
        QTest::addColumn<QString>("focus");           // the control that has the focus then
        QTest::addColumn<QByteArrayList>("written");  // lines the file holds after the close
        QTest::addColumn<QByteArray>("gone");         // text the file no longer holds
        QTest::newRow("first start: the exercise loaded")
            << QByteArray() << "RB_Tcm" << -1 << "BB_Play"
            << QByteArrayList{"[Options]\r\nSeveralUsers=0\r\nMkLink=0\r\nTcmFN=11.tcm\r\nType=0\r\n"
                              "ItemIndexIni=-1\r\nCharsCount=7\r\n"}
            << QByteArray("MkLink=1");
        QTest::newRow("random words: index beyond the list selects the last")
            << QByteArray("[Options]\r\nType=1\r\nItemIndexIni=100\r\nMkLink=1\r\n") << "RB_RandomWords" << -2
            << "BB_Play" << QByteArrayList{"Type=1\r\n", "ItemIndexIni=41\r\n", "MkLink=0\r\n"}
            << QByteArray();
        QTest::newRow("random words: -1 selects nothing, the list has the focus")
            << QByteArray("[Options]\r\nType=1\r\nItemIndexIni=-1\r\n") << "RB_RandomWords" << -1
            << "LB_PatternChars" << QByteArrayList{"ItemIndexIni=-1\r\n"} << QByteArray();
        QTest::newRow("type 256 is the exercise file")
            << QByteArray("[Options]\r\nType=256\r\n") << "RB_Tcm" << -1 << "BB_Play"
            << QByteArrayList{"Type=0\r\n"} << QByteArray();
        QTest::newRow("clipboard: a drill starts and keeps the focus, written back as 2")
            << QByteArray("[Options]\r\nType=7\r\n") << "RB_CopyFromClipboard" << -1 << "Edit"
            << QByteArrayList{"Type=2\r\n"} << QByteArray("Type=7");
        QTest::newRow("comment gone, unknown keys and sections kept, case of the section kept")
            << QByteArray("; mine\r\n[options]\r\n;note\r\nExtra=keep\r\n[Other]\r\nA=1\r\n") << "RB_Tcm"
            << -1 << "BB_Play"
            << QByteArrayList{"[options]\r\nExtra=keep\r\nSeveralUsers=0\r\n", "[Other]\r\nA=1\r\n\r\n"}
            << QByteArray(";");
    }
    void startAndClose() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, source);
        QFETCH(int, selected);
        QFETCH(QString, focus);
        QFETCH(QByteArrayList, written);
        QFETCH(QByteArray, gone);
        TTestFolder folder;
        if (stored.isNull())
            QFile::remove(folder.Path("Teclarium.ini"));
        else
            folder.Write("Teclarium.ini", stored);
        QGuiApplication::clipboard()->setText("hola adeu");
        TDialogAnswers dialogs;
        // Until a normal close has stored MkLink=0, the shortcut is offered before the window.
        const bool offered = !stored.contains("MkLink=0");
        if (offered) dialogs.Expect(RejectShortcutOffer);
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.findChild<QRadioButton*>(source)->isChecked());
        const QList<QListWidgetItem*> items = Child<QListWidget>(window, "LB_PatternChars")->selectedItems();
        const int row =
            items.isEmpty() ? -1 : Child<QListWidget>(window, "LB_PatternChars")->row(items.first());
        QCOMPARE(row, selected == -2 ? Child<QListWidget>(window, "LB_PatternChars")->count() - 1 : selected);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        // Closing a dialog activates the window again: nothing is prepared twice.
        QGuiApplication::clipboard()->setText("altre");
        const int patterns = Child<QListWidget>(window, "LB_PatternChars")->count();
        QVERIFY(QFile::remove(folder.Path("CharsToType.txt")));  // read again, it would be missed
        QEvent again(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &again);
        QCOMPARE(Child<QListWidget>(window, "LB_PatternChars")->count(), patterns);
        if (source == "RB_CopyFromClipboard")
            QCOMPARE(Child<QLabel>(window, "L_ToWrite")->text(), QString("hola"));

        Child<QSpinBox>(window, "SE_CharsCount")->setValue(7);
        window.close();
        QCOMPARE(dialogs.Shown(), offered ? 1 : 0);
        const QByteArray file = ReadFile(folder.Path("Teclarium.ini"));
        for (const QByteArray& lines : written) QVERIFY2(file.contains(lines), file.constData());
        if (!gone.isEmpty()) QVERIFY2(!file.contains(gone), file.constData());
    }

    void missingMappingClosesAtFirstActivation() {
        TTestFolder folder{{"CharsToType.txt", "11.tcm"}};
        folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\nType=1\r\nItemIndexIni=3\r\n");
        TDialogAnswers dialogs;
        dialogs.Expect([](QDialog&) { return 0; });
        TFTypewriting window;
        window.show();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(dialogs.Texts, std::vector<QString>{"No s'ha trobat l'arxiu 'KeyMapping.txt'"});
        const QByteArray file = ReadFile(folder.Path("Teclarium.ini"));
        QVERIFY(file.contains("MkLink=0\r\n") && file.contains("CharsCount=3\r\n"));
        // The source and pattern were never chosen: the stored ones stay.
        QVERIFY(file.contains("Type=1\r\nItemIndexIni=3\r\n"));
    }

    // A settings file that cannot be written, in the order of the close: each write
    // asks about a read-only shared file, the second too; a write that failed is
    // reported and not tried again. Nothing is lost, and the window closes.
    void closeWithUnwritableSettings_data() {
        QTest::addColumn<bool>("folder");          // a folder in the file's place, else a read-only file
        QTest::addColumn<QStringList>("buttons");  // the answers, in order
        QTest::addColumn<QString>("text");         // what every one of them says
        QTest::addColumn<QByteArray>("after");     // the file after the close; null: as it was
        const QString readOnly = QString::fromUtf8("és de sols lectura");
        QTest::newRow("read-only file, protection kept twice")
            << false << QStringList{"No", "No"} << readOnly << QByteArray();
        // The settings are written; the shared keys, refused, are not.
        QTest::newRow("read-only file, removed at the second question")
            << false << QStringList{"No", "Yes"} << readOnly
            << QByteArray("[Options]\r\nMkLink=0\r\nCharsCount=6\r\n");
        QTest::newRow("folder in its place: reported once")
            << true << QStringList{"OK"} << "No es pot crear el fitxer " << QByteArray();
    }
    void closeWithUnwritableSettings() {
        QFETCH(bool, folder);
        QFETCH(QStringList, buttons);
        QFETCH(QString, text);
        QFETCH(QByteArray, after);
        TTestFolder place;
        const QString path = place.Path("Teclarium.ini");
        const QByteArray stored = "[Options]\r\nMkLink=0\r\nCharsCount=4\r\n";
        if (folder) {
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        } else {
            place.Write("Teclarium.ini", stored);
            QFile::setPermissions(path, QFile::ReadOwner);
        }
        TDialogAnswers dialogs;
        // A folder in its place cannot be read: the shortcut is offered as on a first start.
        if (folder) dialogs.Expect(RejectShortcutOffer);
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Child<QSpinBox>(window, "SE_CharsCount")->setValue(6);
        for (const QString& button : buttons)
            dialogs.Expect([button](QDialog& d) { return ClickButton(d, button); });
        const std::size_t before = dialogs.Texts.size();
        Child<QAction>(window, "MI_F_Exit")->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(dialogs.AllAnswered());
        QCOMPARE(dialogs.Texts.size() - before, std::size_t(buttons.size()));
        for (std::size_t i = before; i < dialogs.Texts.size(); ++i)
            QVERIFY2(dialogs.Texts[i].contains(text), qPrintable(dialogs.Texts[i]));
        const QByteArray file = ReadFile(path);
        if (after.isNull())
            QCOMPARE(file, folder ? QByteArray() : stored);
        else
            QVERIFY2(file.startsWith(after) && !file.contains("SeveralUsers"), file.constData());
    }

    // A spin box emptied while typing saves its minimum, not the number it last showed.
    void emptiedSpinBoxSavesItsMinimum() {
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSpinBox* box = Child<QSpinBox>(window, "SE_RepeatLine");
        box->setValue(5);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->value(), 5);
        window.close();
        const QByteArray file = ReadFile(folder.Path("Teclarium.ini"));
        QVERIFY2(file.contains("\r\nRepeatLine=0\r\n"), file.constData());
    }

    // Each user keeps their own file: the user chosen at the start is loaded; switching
    // the mode off and on stores the settings in use in the previous user's file before
    // asking; a new user starts from the defaults; the shared file keeps its own.
    void severalUsersKeepTheirOwnSettings() {
        TTestFolder folder;
        folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\nSeveralUsers=1\r\nCharsCount=4\r\n");
        folder.Write("Anna.ini", "[Options]\r\nCharsCount=5\r\n");
        const auto user = [](const char* name) {
            return [name](QDialog& d) {
                d.findChild<QComboBox*>("CB_User")->setEditText(name);
                return ClickButton(d, "BB_Ok");
            };
        };
        TDialogAnswers dialogs;
        dialogs.Expect(user("Anna"));
        dialogs.Expect(user("Pere"));
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(Child<QSpinBox>(window, "SE_CharsCount")->value(), 5);
        Child<QSpinBox>(window, "SE_CharsCount")->setValue(6);
        Child<QAction>(window, "MI_F_SeveralUsers")->trigger();
        QVERIFY(!Child<QAction>(window, "MI_F_SeveralUsers")->isChecked());
        Child<QAction>(window, "MI_F_SeveralUsers")->trigger();
        QVERIFY(Child<QAction>(window, "MI_F_SeveralUsers")->isChecked());
        QCOMPARE(Child<QSpinBox>(window, "SE_CharsCount")->value(), 3);
        Child<QSpinBox>(window, "SE_CharsCount")->setValue(7);
        window.close();
        QVERIFY(dialogs.AllAnswered());
        QVERIFY(ReadFile(folder.Path("Anna.ini")).contains("CharsCount=6\r\n"));
        QVERIFY(ReadFile(folder.Path("Pere.ini")).contains("CharsCount=7\r\n"));
        const QByteArray shared = ReadFile(folder.Path("Teclarium.ini"));
        QVERIFY2(shared.contains("SeveralUsers=1\r\n") && shared.contains("CharsCount=4\r\n"),
                 shared.constData());
    }

    void hideButtonTwiceRestoresTheLayout() {
        TTestFolder folder;
        TFTypewriting window;
        const auto layout = [&] {
            return QList<QRect>{window.geometry(), Child<QWidget>(window, "Panel1")->geometry(),
                                Child<QWidget>(window, "P_TopBottom")->geometry(),
                                Child<QWidget>(window, "P_VirtualKeyboard")->geometry(),
                                Child<QPushButton>(window, "BB_Play")->geometry()};
        };
        const QList<QRect> before = layout();
        Child<QPushButton>(window, "BB_Hide")->click();
        QVERIFY(window.TopPanelHidden());
        QVERIFY(!Child<QMenu>(window, "MI_File")->menuAction()->isVisible());
        QVERIFY(!Child<QMenu>(window, "MI_Help")->menuAction()->isVisible());
        QVERIFY(!Child<QMenuBar>(window, "MainMenu1")->isHidden());  // an empty menu bar stays
        QVERIFY(
            !Child<QMenuBar>(window, "MainMenu1")->isNativeMenuBar());  // the window's own, never a desktop's
        QVERIFY(window.height() < before[0].height() - Child<QWidget>(window, "P_TopTop")->height() / 2);
        Child<QPushButton>(window, "BB_Hide")->click();
        QVERIFY(!window.TopPanelHidden());
        QVERIFY(Child<QMenu>(window, "MI_File")->menuAction()->isVisible() &&
                Child<QMenu>(window, "MI_Help")->menuAction()->isVisible());
        QCOMPARE(layout(), before);
    }

    // Every caption of the options panel and the typing area shows whole, inside
    // the window, at any desktop font size.
    void captionsShowWhole_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("small") << 7;
        QTest::newRow("large") << 14;
        QTest::newRow("very large") << 22;
    }
    void captionsShowWhole() {
        QFETCH(int, points);
        struct TFontBack {
            QFont Font = QApplication::font();
            ~TFontBack() { QApplication::setFont(Font); }
        } back;
        QFont font = back.Font;
        font.setPointSize(points);
        QApplication::setFont(font);
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect client =
            Child<QWidget>(window, "P_Client")->rect();  // scrolled when larger than the screen
        for (QWidget* w : Child<QWidget>(window, "Panel1")->findChildren<QWidget*>()) {
            const bool captioned = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                                   qobject_cast<QGroupBox*>(w) || qobject_cast<QSpinBox*>(w);
            if (!captioned || w->isHidden() || w->objectName().isEmpty()) continue;
            const QRect at(w->mapTo(Child<QWidget>(window, "P_Client"), QPoint(0, 0)), w->size());
            QVERIFY2(client.contains(at), qPrintable(w->objectName()));
            // A push button's frame may be narrower than the style's wish; its caption not.
            const auto* button = qobject_cast<QPushButton*>(w);
            const int least = button ? w->fontMetrics().horizontalAdvance(button->text().remove('&'))
                                     : w->minimumSizeHint().width();
            QVERIFY2(w->width() >= least, qPrintable(w->objectName()));
        }
    }

    void helpMenu_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("topic");
        QTest::newRow("introduction") << "MI_H_Introduction"
                                      << "Introduction";
        QTest::newRow("this window") << "MI_H_Help"
                                     << "MainWindow";
        QTest::newRow("contents") << "MI_H_Contents"
                                  << "";
        QTest::newRow("F1") << ""
                            << "MainWindow";
    }
    void helpMenu() {
        QFETCH(QString, item);
        QFETCH(QString, topic);
        TTestFolder folder;
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList shown;
        const THelpTopicViewer previous =
            SetHelpTopicViewer([&](const char* identifier) { shown << QString::fromUtf8(identifier); });
        if (item.isEmpty())
            QTest::keyClick(&window, Qt::Key_F1);
        else
            window.findChild<QAction*>(item)->trigger();
        SetHelpTopicViewer(previous);
        QCOMPARE(shown, QStringList{topic});
    }

    // The menu's dialog, on its own help context, shows the window's options and
    // gives them back on OK only.
    void unusualOptions_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("oneHand");  // chosen in the dialog
        QTest::addColumn<bool>("natural");  // checked shown by the dialog
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("colourBlind");
        QTest::newRow("natural keyboard shown, then one hand clears it")
            << true << true << false << true << false;
        QTest::newRow("cancel changes nothing") << false << true << false << true << true;
        QTest::newRow("colour-blind palette, kept in the settings") << true << false << true << false << true;
    }
    void unusualOptions() {
        QFETCH(bool, accept);
        QFETCH(bool, oneHand);
        QFETCH(bool, natural);
        QFETCH(bool, centred);
        QFETCH(bool, colourBlind);
        TTestFolder folder;
        folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\nNaturalKeyboard=1\r\n");
        TFTypewriting window;
        TDialogAnswers dialogs;
        dialogs.Expect([&](QDialog& d) {
            auto& options = static_cast<TFUnusualOptions&>(d);
            if (!options.CB_NaturalKeyboard->isChecked() || options.OneHand() ||
                options.HelpContext() != 1013)
                return 0;
            options.CB_CenteredWindow->setChecked(centred);
            options.SetOneHand(oneHand);
            options.CB_ColourBlind->setChecked(colourBlind);
            return ClickButton(d, accept ? "BB_Ok" : "BB_Cancel");
        });
        Child<QAction>(window, "MI_F_UnusualOptions")->trigger();
        QVERIFY(dialogs.AllAnswered());
        // The choices are the user's own settings.
        window.SaveSettings();
        const QByteArray saved = ReadFile(folder.Path("Teclarium.ini"));
        const auto stored = [&](const char* key, bool on) {
            return saved.contains(QByteArray(key) + (on ? "=1\r\n" : "=0\r\n"));
        };
        QVERIFY(stored("OneHand", accept && oneHand));
        QVERIFY(stored("NaturalKeyboard", accept ? natural : true));
        QVERIFY(stored("CenteredWindow", accept && centred));
        QVERIFY(stored("ColourBlind", accept && colourBlind));
        if (accept) {  // OK colours the keyboard at once
            const TKeyboardPalette& palette = KeyboardPalette(colourBlind);
            const TZone zone = FrameZones({accept && oneHand, natural})[1];
            const TRgb frame = ZoneColour(palette, zone);
            QCOMPARE(KeyFrame(KeyPanel(window, 1))->palette().color(QPalette::Window),
                     QColor(frame.R, frame.G, frame.B));
            Child<TKeyPanel>(window, "P_SpaceBar")->SetLit(true);
            QCOMPARE(Child<TKeyPanel>(window, "P_SpaceBar")->Colour(),
                     QColor(palette.Lamp.R, palette.Lamp.G, palette.Lamp.B));
            // Captions stay dark on the palette's own light faces.
            if (colourBlind) QCOMPARE(KeyPanel(window, 1)->CaptionColour(), QColor(Qt::black));
        }
        // A new start colours the keyboard with the saved palette.
        TFTypewriting again;
        again.SetHandColours();
        const TKeyboardPalette& palette = KeyboardPalette(accept && colourBlind);
        Child<TKeyPanel>(again, "P_SpaceBar")->SetLit(true);
        QCOMPARE(Child<TKeyPanel>(again, "P_SpaceBar")->Colour(),
                 QColor(palette.Lamp.R, palette.Lamp.G, palette.Lamp.B));
    }
};

QTEST_MAIN(TestWindowLifecycle)
#include "tst_window_lifecycle.moc"
