// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The about box: the program's name, the project's version and icon, Enter closing
// it, and the notices file written afresh to the settings folder each time it opens.
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "shell/application.h"
#include "shell/program_about_box.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

class TestAboutBox : public QObject {
    Q_OBJECT

  private slots:
    void nameVersionIconAndEnter() {
        QTemporaryDir dir;
        TBoxRefTW box(Folder(dir), "Practice");
        QCOMPARE(box.L_TitlePrg->text(), QString("Practice"));
        QCOMPARE(box.L_Version->text(), QString::fromUtf8("Versió " TECLARIUM_PROJECT_VERSION));
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    // A changed, write-protected file is replaced the next time the box opens.
    void fileRewrittenEachTime() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8(kAboutFileName));
        QByteArray first;
        {
            TBoxRefTW box(Folder(dir), "Teclarium");
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            first = file.readAll();
            QVERIFY(first.contains("charset=windows-1252"));
            QVERIFY(first.contains("versi\xF3 " TECLARIUM_PROJECT_VERSION));  // Windows-1252
            QVERIFY(box.RxRichEdit->toPlainText().contains(
                QString::fromUtf8("Teclarium, versió " TECLARIUM_PROJECT_VERSION)));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>canviat</p>");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner));
        TBoxRefTW box(Folder(dir), "Teclarium");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
        QVERIFY(!box.RxRichEdit->toPlainText().contains("canviat"));
    }

    void writeFailureReportedPanelEmpty() {
        QTemporaryDir dir;
        TDialogAnswers answers;
        answers.Expect([](QDialog& d) { return ClickButton(d, "OK"); });
        const std::string missing = Folder(dir) + "no/";
        TBoxRefTW box(missing, "Teclarium");
        QCOMPARE(answers.Texts, std::vector<QString>{QString::fromUtf8("No es pot crear el fitxer " +
                                                                       missing + kAboutFileName)});
        QVERIFY(box.RxRichEdit->toPlainText().isEmpty());
    }

  private:
    static std::string Folder(const QTemporaryDir& dir) {
        return QFile::encodeName(dir.path() + '/').toStdString();
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);  // the program's icon
    TestAboutBox test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_about_box.moc"
