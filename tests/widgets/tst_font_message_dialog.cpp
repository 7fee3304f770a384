// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The message dialog with a chosen font: sizes, buttons, keys and results.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "drill/ui/font_message_dialog.h"
#include "util/ui/help.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

struct TShownDialog {
    QString Title;
    QRect Message, Image, Client;
    QList<QRect> Buttons;  // left to right
    QFont ButtonFont;
    QStringList Names;
    QString Default;
};

// Shows one dialog, records its geometry and answers it with answer.
TShownDialog Show(const QString& text, const QFont& font, bool icon, TMsgDlgType type, unsigned buttons,
                  const std::function<int(QDialog&)>& answer, int* result = nullptr) {
    TShownDialog shown;
    TDialogAnswers answers;
    answers.Expect([&](QDialog& d) {
        shown.Title = d.windowTitle();
        shown.Client = d.rect();
        if (auto* m = d.findChild<QLabel*>("Message")) shown.Message = m->geometry();
        if (auto* i = d.findChild<QLabel*>("Image")) shown.Image = i->geometry();
        QList<QPushButton*> buttons = d.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
        for (QPushButton* b : buttons) {
            shown.Buttons << b->geometry();
            shown.ButtonFont = b->font();
            shown.Names << b->objectName();
            if (b->isDefault()) shown.Default = b->objectName();
        }
        return answer(d);
    });
    const int r = FontMessageDialog(text, font, icon, type, buttons, 7);
    if (result) *result = r;
    return shown;
}

int Reject(QDialog&) {
    return mrCancel;
}

// Runs the dialog for real and sends it a key from inside its loop.
std::function<int(QDialog&)> PressInside(int key) {
    return [key](QDialog& d) {
        QTimer::singleShot(0, &d, [&d, key] {
            QWidget* target = d.focusWidget() ? d.focusWidget() : &d;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
        });
        return d.exec();
    };
}

}  // namespace

class TestFontMessageDialog : public QObject {
    Q_OBJECT

  private slots:
    void longTextWrapsAtHalfTheScreen() {
        const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        const QString longText = QString("paraula ").repeated(200);
        const TShownDialog d = Show(longText, QFont(), true, TMsgDlgType::Information, mbOK, Reject);
        QVERIFY(d.Message.width() <= half);
        QVERIFY(d.Message.width() > half * 3 / 4);
        const int oneLine = QFontMetrics(QFont()).height();
        QVERIFY(d.Message.height() > 5 * oneLine);
        // Grows in height only as much as the text needs.
        const QRect needed =
            QFontMetrics(QFont()).boundingRect(QRect(0, 0, half, 0), Qt::TextWordWrap, longText);
        QCOMPARE(d.Message.height(), needed.height());
    }

    void iconMakesTheBlockAtLeast32High() {
        const TShownDialog with = Show("Hola", QFont(), true, TMsgDlgType::Information, mbOK, Reject);
        const TShownDialog without = Show("Hola", QFont(), false, TMsgDlgType::Information, mbOK, Reject);
        QCOMPARE(with.Image.size(), QSize(32, 32));
        QVERIFY(without.Image.isNull());
        QVERIFY(with.Message.height() < 32);
        QCOMPARE(with.Buttons[0].y() - without.Buttons[0].y(), 32 - with.Message.height());
        QVERIFY(with.Message.x() >= with.Image.right());
    }

    void largerFontGrowsTextNotButtons() {
        QFont big;
        big.setPointSize(QFont().pointSize() * 3);
        const QString text = "Ja està:\nheu trigat 25 seg";
        const TShownDialog small = Show(text, QFont(), true, TMsgDlgType::Information, mbOK, Reject);
        const TShownDialog large = Show(text, big, true, TMsgDlgType::Information, mbOK, Reject);
        QVERIFY(large.Client.width() > small.Client.width());
        QVERIFY(large.Client.height() > small.Client.height());
        QCOMPARE(large.Buttons[0].size(), small.Buttons[0].size());
        QCOMPARE(large.ButtonFont, small.ButtonFont);
        // The button group is centred.
        const QRect ok = large.Buttons[0];
        QVERIFY(qAbs(ok.x() - (large.Client.width() - ok.width()) / 2) <= 1);
    }

    void captionsAndIcons_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("icon");
        QTest::newRow("warning") << int(TMsgDlgType::Warning) << "Compte" << true;
        QTest::newRow("error") << int(TMsgDlgType::Error) << "Error" << true;
        QTest::newRow("information") << int(TMsgDlgType::Information) << QString::fromUtf8("Informació")
                                     << true;
        QTest::newRow("confirmation") << int(TMsgDlgType::Confirmation) << "Confirma" << true;
        QTest::newRow("custom") << int(TMsgDlgType::Custom) << QApplication::applicationDisplayName()
                                << false;
    }
    void captionsAndIcons() {
        QFETCH(int, type);
        QFETCH(bool, icon);
        const TShownDialog d = Show("x", QFont(), true, TMsgDlgType(type), mbOK, Reject);
        QTEST(d.Title, "caption");
        QCOMPARE(!d.Image.isNull(), icon);
    }

    void buttonsInTableOrder_data() {
        QTest::addColumn<unsigned>("buttons");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("ok") << unsigned(mbOK) << QStringList{"OK"} << "OK";
        QTest::newRow("yes no cancel help") << unsigned(mbHelp | mbCancel | mbNo | mbYes)
                                            << QStringList{"Yes", "No", "Cancel", "Help"} << "Yes";
        QTest::newRow("abort retry ignore")
            << unsigned(mbIgnore | mbAbort | mbRetry) << QStringList{"Abort", "Retry", "Ignore"} << "Retry";
        QTest::newRow("all of them") << unsigned(0x7FF)
                                     << QStringList{"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                                    "Ignore", "All", "NoToAll", "YesToAll", "Help"}
                                     << "OK";
    }
    void buttonsInTableOrder() {
        QFETCH(unsigned, buttons);
        const TShownDialog d = Show("x", QFont(), true, TMsgDlgType::Confirmation, buttons, Reject);
        QTEST(d.Names, "names");
        QTEST(d.Default, "defaultButton");
        // Same width and height, evenly spaced.
        for (int i = 1; i < d.Buttons.size(); ++i) {
            QCOMPARE(d.Buttons[i].size(), d.Buttons[0].size());
            QCOMPARE(d.Buttons[i].x() - d.Buttons[i - 1].x(), d.Buttons[1].x() - d.Buttons[0].x());
        }
    }

    void keysAndCloseBox_data() {
        QTest::addColumn<unsigned>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("ok: enter") << unsigned(mbOK) << int(Qt::Key_Return) << int(mrOk);
        QTest::newRow("ok: escape") << unsigned(mbOK) << int(Qt::Key_Escape) << int(mrOk);
        QTest::newRow("yes/no: escape is no") << unsigned(mbYes | mbNo) << int(Qt::Key_Escape) << int(mrNo);
        QTest::newRow("yes/no: enter is yes") << unsigned(mbYes | mbNo) << int(Qt::Key_Return) << int(mrYes);
        QTest::newRow("ok/cancel: escape")
            << unsigned(mbOK | mbCancel) << int(Qt::Key_Escape) << int(mrCancel);
    }
    void keysAndCloseBox() {
        QFETCH(unsigned, buttons);
        QFETCH(int, key);
        int result = 0;
        Show("x", QFont(), true, TMsgDlgType::Information, buttons, PressInside(key), &result);
        QTEST(result, "result");
    }

    void closeBoxGivesCancel() {
        int result = 0;
        Show(
            "x", QFont(), true, TMsgDlgType::Information, mbOK,
            [](QDialog& d) {
                QTimer::singleShot(0, &d, [&d] { d.close(); });
                return d.exec();
            },
            &result);
        QCOMPARE(result, int(mrCancel));
    }

    void helpButtonShowsTopicAndStaysOpen() {
        int topic = 0;
        SetHelpContextViewer([&](int context) { topic = context; });
        int result = 0;
        bool stillOpen = false;
        Show(
            "x", QFont(), true, TMsgDlgType::Information, mbOK | mbHelp,
            [&](QDialog& d) {
                QTimer::singleShot(0, &d, [&] {
                    d.findChild<QPushButton*>("Help")->click();
                    stillOpen = d.isVisible();
                    d.findChild<QPushButton*>("OK")->click();
                });
                return d.exec();
            },
            &result);
        SetHelpContextViewer({});
        QCOMPARE(topic, 7);
        QVERIFY(stillOpen);
        QCOMPARE(result, int(mrOk));
    }
};

QTEST_MAIN(TestFontMessageDialog)
#include "tst_font_message_dialog.moc"
