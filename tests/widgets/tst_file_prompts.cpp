// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// CheckFileExists and AskClearReadOnly with their message boxes.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "util/file_attributes.h"
#include "util/ui/file_prompts.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

class TestFilePrompts : public QObject {
    Q_OBJECT

  private slots:
    void checkFileExists() {
        QTemporaryDir dir;
        const std::string missing = QFile::encodeName(dir.filePath("KeyMapping.txt")).toStdString();
        TDialogAnswers answers;
        QString caption;
        answers.Expect([&](QDialog& d) {
            caption = d.windowTitle();
            return 0;
        });
        QVERIFY(!CheckFileExists(missing));
        QCOMPARE(caption, QString("Error"));
        QCOMPARE(answers.Texts.at(0), QString::fromStdString("No s'ha trobat l'arxiu '" + missing + "'"));

        QFile file(QString::fromStdString(missing));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(CheckFileExists(missing));
        QCOMPARE(answers.Shown(), 1);
    }

    void askClearReadOnly_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("writableAfter");
        QTest::newRow("writable: no question") << false << QString() << true << true;
        QTest::newRow("read-only, yes") << true << "Yes" << true << true;
        QTest::newRow("read-only, no") << true << "No" << false << false;
    }
    void askClearReadOnly() {
        QFETCH(bool, readOnly);
        QFETCH(QString, button);
        QFETCH(bool, result);
        QFETCH(bool, writableAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath("Anna.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (readOnly) file.setPermissions(QFile::ReadOwner | QFile::ReadGroup);
        const std::string name = QFile::encodeName(path).toStdString();
        TDialogAnswers answers;
        QString caption;
        if (!button.isEmpty())
            answers.Expect([&](QDialog& d) {
                caption = d.windowTitle();
                return ClickButton(d, button);
            });
        QCOMPARE(AskClearReadOnly(name), result);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected(), 0);
        QCOMPARE(!IsReadOnly(name), writableAfter);
        if (!button.isEmpty()) {
            QCOMPARE(caption, QString("Confirma"));
            QCOMPARE(
                answers.Texts.at(0),
                "L'arxiu\n" + path + QString::fromUtf8("\nés de sols lectura, treure-li'n la protecció?"));
        }
    }
};

QTEST_MAIN(TestFilePrompts)
#include "tst_file_prompts.moc"
