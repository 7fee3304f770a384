// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keyboard chosen by name in the unusual options: the on-screen keyboard shows it
// at once, the user's settings keep it, and the next start shows it again; a kept
// name that is no layout name leaves the system's keyboard.
#include <QComboBox>
#include <QFile>
#include <QTest>

#include "keyboard/ui/key_panel.h"
#include "shell/typewriting_window.h"
#include "shell/unusual_options_dialog.h"
#include "util/codec.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

QString Caption(TFTypewriting& window, int code) {
    return window.findChild<TKeyPanel*>(QStringLiteral("P_K%1").arg(code))->Caption();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestKeyboardChoice : public QObject {
    Q_OBJECT

  private slots:
    void chosenLayoutIsShownAndKept_data();
    void chosenLayoutIsShownAndKept();
    void keptChoiceIsOfferedAgain_data();
    void keptChoiceIsOfferedAgain();
    void courseLessonLeavesOutUntypableWords_data();
    void courseLessonLeavesOutUntypableWords();
};

void TestKeyboardChoice::chosenLayoutIsShownAndKept_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QString>("zeroKey");  // the 0 key's caption
    QTest::addColumn<QString>("qKey");     // the caption where the Spanish Q is
    QTest::newRow("Francès") << QStringLiteral("Francès") << QByteArray("Keyboard=fr\r\n")
                             << QStringLiteral("à") << QStringLiteral("a");
    QTest::newRow("Català (Espanya, L amb punt volat)")
        << QStringLiteral("Català (Espanya, L amb punt volat)") << QByteArray("Keyboard=es(cat)\r\n")
        << QStringLiteral("0") << QStringLiteral("q");
    QTest::newRow("the system's: the key mapping file without X")
        << QStringLiteral("el del sistema") << QByteArray("Keyboard=\r\n") << QStringLiteral("0")
        << QStringLiteral("q");
}

void TestKeyboardChoice::chosenLayoutIsShownAndKept() {
    QFETCH(QString, item);
    QFETCH(QByteArray, kept);
    QFETCH(QString, zeroKey);
    QFETCH(QString, qKey);
    TTestFolder folder;
    TDialogAnswers dialogs;
    {
        TFTypewriting window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(Caption(window, 48), QStringLiteral("0"));
        dialogs.Expect([&](QDialog& dialog) {
            auto& options = static_cast<TFUnusualOptions&>(dialog);
            QComboBox* box = options.CB_Keyboard;
            box->setCurrentIndex(box->findText(item));
            return ClickButton(dialog, QStringLiteral("BB_Ok"));
        });
        window.MI_F_UnusualOptionsClick();
        QCOMPARE(dialogs.Shown(), 1);
        QCOMPARE(Caption(window, 48), zeroKey);
        QCOMPARE(Caption(window, 81), qKey);
        window.close();
    }
    const QByteArray file = ReadAll(folder.Path("Teclarium.ini"));
    QVERIFY2(file.contains(kept), file.constData());
    // The next start shows the kept keyboard from the first activation.
    TFTypewriting again;
    again.show();
    QVERIFY(QTest::qWaitForWindowActive(&again));
    QCOMPARE(Caption(again, 48), zeroKey);
    QCOMPARE(Caption(again, 81), qKey);
    again.close();
}

void TestKeyboardChoice::keptChoiceIsOfferedAgain_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");  // the dialog's item
    QTest::addColumn<QString>("zeroKey");
    QTest::newRow("offered layout") << QByteArray("Keyboard=it") << QStringLiteral("Italià")
                                    << QStringLiteral("0");
    QTest::newRow("another layout, named by the keyboard data")
        << QByteArray("Keyboard=fr(bepo)") << QStringLiteral("Francès (BEPO)") << QStringLiteral("*");
    QTest::newRow("no layout name: the system's")
        << QByteArray("Keyboard=../fr") << QStringLiteral("el del sistema") << QStringLiteral("0");
    QTest::newRow("unknown layout: the system's keys, the name kept")
        << QByteArray("Keyboard=zz") << QStringLiteral("«zz»") << QStringLiteral("0");
}

void TestKeyboardChoice::keptChoiceIsOfferedAgain() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QString, zeroKey);
    TTestFolder folder;
    folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\n" + stored + "\r\n");
    TDialogAnswers dialogs;
    TFTypewriting window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(Caption(window, 48), zeroKey);
    QString offered;
    dialogs.Expect([&](QDialog& dialog) {
        offered = static_cast<TFUnusualOptions&>(dialog).CB_Keyboard->currentText();
        return ClickButton(dialog, QStringLiteral("BB_Cancel"));
    });
    window.MI_F_UnusualOptionsClick();
    QCOMPARE(offered, shown);
    window.close();
}

void TestKeyboardChoice::courseLessonLeavesOutUntypableWords_data() {
    QTest::addColumn<QStringList>("lesson");
    QTest::addColumn<QStringList>("said");  // the messages, in order
    QTest::addColumn<QStringList>("drilled");
    QTest::newRow("some words typable")
        << QStringList{"Ça", "ça", "Ñu", "ja"}
        << QStringList{"El teclat Francès no pot escriure: ce trencada majúscula, enya majúscula."}
        << QStringList{"ça", "ja"};
    QTest::newRow("none typable: skipped with a note")
        << QStringList{"Ça", "Çà"}
        << QStringList{"El teclat Francès no pot escriure: ce trencada majúscula.",
                       "El teclat Francès no pot escriure cap paraula d'aquesta lliçó: se salta. Podeu "
                       "passar a la "
                       "tecla següent."}
        << QStringList{};
    QTest::newRow("all typable: nothing said")
        << QStringList{"ça", "la"} << QStringList{} << QStringList{"ça", "la"};
}

void TestKeyboardChoice::courseLessonLeavesOutUntypableWords() {
    QFETCH(QStringList, lesson);
    QFETCH(QStringList, said);
    QFETCH(QStringList, drilled);
    TTestFolder folder;
    folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\nKeyboard=fr\r\n");
    TDialogAnswers dialogs;
    for (int i = 0; i < said.size(); ++i)
        dialogs.Expect([](QDialog& dialog) { return ClickButton(dialog, "OK"); });
    TFTypewriting window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    std::vector<std::string> words;
    for (const QString& w : lesson) words.push_back(ToAnsi(w));
    window.StartCourseDrill(words);
    QCOMPARE(dialogs.Texts, std::vector<QString>(said.begin(), said.end()));
    QCOMPARE(dialogs.Unexpected(), 0);
    QCOMPARE(window.Drill().DrillRunning(), !drilled.isEmpty());
    QStringList inDrill;
    for (std::string_view w : window.Drill().WordList()) inDrill << FromAnsi(w);
    if (!drilled.isEmpty()) QCOMPARE(inDrill, drilled);
    window.close();
}

QTEST_MAIN(TestKeyboardChoice)
#include "tst_keyboard_choice.moc"
