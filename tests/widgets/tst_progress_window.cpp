// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The "Progrés" window offscreen, on the real main window's key mapping: without
// history, with too few missed characters, and with enough to start a drill on the
// weak ones through the main window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "drill/ui/typing_edit.h"
#include "keyboard/ui/key_panel.h"
#include "progress/history_file.h"
#include "progress/progress_texts.h"
#include "progress/ui/chart_module.h"
#include "progress/ui/progress_window.h"
#include "shell/application.h"
#include "shell/typewriting_window.h"
#include "util/codec.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

QByteArray Line(const char* day, const char* counts) {
    return QByteArray(day) + " 10:00:00\tfitxer.tcm\t5\t40\t4\t0\t60.0\t0.0\t12.0\t5.0\t40\t" + counts +
           "\r\n";
}

struct TSeen {
    QString Summary;
    bool Chart = false;
    int MissedRows = -1;
    bool ButtonEnabled = false;
    bool Hint = false;
    QString KeyATip;
};

}  // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT

  private slots:
    void window_data() {
        QTest::addColumn<QByteArray>("history");  // empty: no file
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("missedRows");  // -1: no table
        QTest::addColumn<bool>("buttonEnabled");
        QTest::addColumn<QByteArray>("drillChars");  // empty: no drill started
        QTest::addColumn<QString>("keyATip");
        const QByteArray header = QByteArray::fromStdString(std::string(kHistoryHeader)) + "\r\n";
        QTest::newRow("no history") << QByteArray()
                                    << QString::fromUtf8("Encara no hi ha cap exercici recordat") << -1
                                    << false << QByteArray() << QString();
        QTest::newRow("two characters missed")
            << header + Line("2026-12-01", "{a=30/2[s*2] b=10/2[v*2]}")
            << QString::fromUtf8("Exercicis recordats: 1") << 2 << false << QByteArray()
            << QString::fromUtf8("Tecla a A: 6,3 % d'errades (2 de 32)");
        QTest::newRow("four characters missed, a bad line")
            << header + Line("2026-12-01", "{a=30/2[s*2] b=10/2[v*2]}") + "malmesa\r\n" +
                   Line("2026-12-03", "{a=30/1[s*1] d=3/2[f*2] k=9/0 \xE0=5/1[a*1]}")
            << QString::fromUtf8("Exercicis recordats: 2 (1 línies") << 4 << true
            << QByteArray(
                   "a\xE0"
                   "bd")
            // à counts on the key of a as well as on its dead key
            << QString::fromUtf8("Tecla a A: 5,8 % d'errades (4 de 69)");
    }
    void window() {
        QFETCH(QByteArray, history);
        QFETCH(QByteArray, drillChars);
        TTestFolder folder;
        TFTypewriting w;
        w.show();
        if (!history.isEmpty()) folder.Write(QStringLiteral("Teclarium.hist"), history);
        TSeen seen;
        TDialogAnswers answers;
        answers.Expect([&](QDialog& dialog) {
            auto* progress = qobject_cast<TFProgress*>(&dialog);
            if (!progress) return int(QDialog::Rejected);
            seen.Summary = progress->L_Summary->text();
            // The chart comes from its module, loaded from beside the test program.
            auto* chart = progress->findChild<QWidget*>(QStringLiteral("CV_Progress"));
            seen.Chart = chart && chart->inherits("QChartView");
            seen.MissedRows = progress->TW_MostMissed ? progress->TW_MostMissed->rowCount() : -1;
            seen.ButtonEnabled = progress->BB_PracticeWeakKeys && progress->BB_PracticeWeakKeys->isEnabled();
            seen.Hint = progress->L_WeakKeysHint != nullptr;
            if (auto* keyA = progress->findChild<TKeyPanel*>(QStringLiteral("P_K65")))
                seen.KeyATip = keyA->toolTip();
            return ClickButton(dialog, seen.ButtonEnabled ? QStringLiteral("BB_PracticeWeakKeys")
                                                          : QStringLiteral("BB_Close"));
        });
        // The menu item opens the history of the settings file in use.
        Child<QAction>(w, "MI_F_Progress")->trigger();

        QCOMPARE(answers.Shown(), 1);
        QFETCH(QString, summary);
        QVERIFY2(seen.Summary.startsWith(summary), qPrintable(seen.Summary));
        QCOMPARE(seen.Chart, !history.isEmpty());
        QTEST(seen.MissedRows, "missedRows");
        QTEST(seen.ButtonEnabled, "buttonEnabled");
        QCOMPARE(seen.Hint, !history.isEmpty() && !seen.ButtonEnabled);
        QTEST(seen.KeyATip, "keyATip");

        QCOMPARE(w.Drill().DrillRunning(), !drillChars.isEmpty());
        if (drillChars.isEmpty()) return;
        const std::vector<std::string> words = w.Drill().WordList().ToVector();
        QCOMPARE(int(words.size()), Child<QSpinBox>(w, "SE_WordsCount")->value());
        QByteArray used;
        for (const std::string& word : words) {
            QCOMPARE(int(word.size()), Child<QSpinBox>(w, "SE_CharsCount")->value());
            for (char c : word)
                if (!used.contains(c)) used += c;
        }
        std::sort(used.begin(), used.end());
        std::sort(drillChars.begin(), drillChars.end());
        QCOMPARE(used, drillChars);
        // Ended with its report, the drill joins the history as a weak-keys drill.
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });
        TypeText(Child<TTypingEdit>(w, "Edit"), QString::fromLatin1(words.front().c_str()));
        PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Space, QStringLiteral(" "));
        PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Escape, QStringLiteral("\x1b"));
        QVERIFY(!w.Drill().DrillRunning());
        QFile file(folder.Path(QStringLiteral("Teclarium.hist")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QVERIFY(after.startsWith(history) && after.endsWith("\r\n"));
        const QByteArray added = after.mid(history.size());
        QCOMPARE(added.count('\n'), 1);
        QVERIFY2(added.contains("\ttecles febles\t"), added.constData());
    }

    // Without its module the window shows a sentence in the chart's place.
    void chartModuleMissing_data() {
        QTest::addColumn<QString>("module");
        QTest::newRow("no such file") << QStringLiteral("/nonexistent/libteclarium_chart.so");
        QTest::newRow("not a library") << QStringLiteral(TECLARIUM_DATA_DIR "/KeyMapping.txt");
    }
    void chartModuleMissing() {
        QFETCH(QString, module);
        QWidget parent;
        TDayProgress day;
        day.Day = 20000;
        QWidget* shown = ProgressChart(module.toStdString(), {day}, &parent);
        auto* label = qobject_cast<QLabel*>(shown);
        QVERIFY(label);
        QCOMPARE(label->parent(), &parent);
        QCOMPARE(label->text(), FromUtf8(kChartUnavailable));
    }

    // A history that cannot be written is reported after the report, and the window
    // still shows the drill ended.
    void historyThatCannotBeWritten_data() {
        QTest::addColumn<QByteArray>("history");  // null: a folder in its place
        QTest::addColumn<QString>("message");     // %1: the file's path
        QTest::newRow("a folder in its place")
            << QByteArray() << QStringLiteral("No es pot escriure el fitxer %1");
        QTest::newRow("a newer version, kept as it is")
            << QByteArray("#historial 3\tdata\r\n")
            << QString::fromUtf8("L'historial '%1' és d'una versió més nova");
    }
    void historyThatCannotBeWritten() {
        QFETCH(QByteArray, history);
        QFETCH(QString, message);
        TTestFolder folder;
        const QString path = folder.Path(QStringLiteral("Teclarium.hist"));
        if (history.isNull())
            QVERIFY(QDir().mkdir(path));
        else
            folder.Write(QStringLiteral("Teclarium.hist"), history);
        TFTypewriting w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });  // the report
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });  // the failure
        Child<QPushButton>(w, "BB_Play")->click();
        QVERIFY(w.Drill().DrillRunning());
        TypeText(Child<TTypingEdit>(w, "Edit"),
                 QString::fromLatin1(w.Drill().WordList().ToVector().front().c_str()));
        PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Space, QStringLiteral(" "));
        PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Escape, QStringLiteral("\x1b"));
        QCOMPARE(answers.Shown(), 2);
        QCOMPARE(answers.Texts.back(), message.arg(path));
        if (!history.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), history);
        }
        QVERIFY(!w.Drill().DrillRunning());
        QVERIFY(!Child<QLabel>(w, "L_TypeEsc")->isVisible() && Child<QPushButton>(w, "BB_Hide")->isVisible());
        QCOMPARE(QApplication::focusWidget(), Child<QPushButton>(w, "BB_Play"));
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestProgressWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_progress_window.moc"
