// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The user dialog: the known users listed, the filtered characters typed or pasted,
// and a refused name keeping the dialog open.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "shell/select_user_dialog.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

class TestUserDialog : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        for (const char* name : {"Teclarium.ini", "Drill.old.ini"}) {
            QFile file(FDir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void typedAndPastedText_data() {
        QTest::addColumn<int>("item");  // the known user picked first, -1 none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("typed") << -1 << "A.n:n/a|\\?<>\"" << QString() << "Anna";
        QTest::newRow("pasted") << -1 << QString() << "a.b:c\\d*e"
                                << "abcd*e";
        QTest::newRow("picked name keeps its dot") << 0 << QString() << ".2"
                                                   << "Drill.old2";
    }
    void typedAndPastedText() {
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        TFSelectUser dialog(Folder(), "Teclarium");
        QCOMPARE(dialog.CB_User->count(), 1);
        QCOMPARE(dialog.CB_User->currentText(), QString());
        dialog.CB_User->setCurrentIndex(item);
        QLineEdit* edit = dialog.CB_User->lineEdit();
        edit->end(false);
        TypeText(dialog.CB_User, typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            edit->paste();
        }
        QTEST(dialog.CB_User->currentText(), "text");
    }

    void okRefusesOrAccepts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << "Heu d'escriure o escollir el nom que us identifiqui";
        QTest::newRow("own name") << "TECLARIUM" << QString::fromUtf8("Nom invàlid");
        QTest::newRow("pasted control character") << "An\tna" << QString::fromUtf8("Nom invàlid");
        QTest::newRow("accepted") << "Anna" << QString();
    }
    void okRefusesOrAccepts() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TFSelectUser dialog(Folder(), "Teclarium");
        dialog.show();
        dialog.CB_User->setEditText(name);
        TDialogAnswers answers;
        if (!message.isEmpty()) answers.Expect([](QDialog& d) { return ClickButton(d, "OK"); });
        dialog.BB_Ok->setFocus();
        dialog.BB_Ok->click();
        QCOMPARE(answers.Texts, message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{message});
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        QCOMPARE(dialog.result(), message.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (!message.isEmpty()) QCOMPARE(dialog.focusWidget(), dialog.CB_User);
    }

  private:
    std::string Folder() const { return QFile::encodeName(FDir.path() + '/').toStdString(); }
    QTemporaryDir FDir;
};

QTEST_MAIN(TestUserDialog)
#include "tst_user_dialog.moc"
