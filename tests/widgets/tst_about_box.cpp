// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The about box: its title from the program's name, the version, the icon, and the
// notices file written afresh to the settings folder each time it opens.
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
    void titleVersionAndIcon() {
        QTemporaryDir dir;
        TBoxRefTW box(Folder(dir), "Practice");
        QCOMPARE(box.windowTitle(), QString::fromUtf8("Referència"));
        QCOMPARE(box.L_TitlePrg->text(), QString("Practice"));
        QCOMPARE(box.L_Version->text(), QString::fromUtf8("Versió " TECLARIUM_PROJECT_VERSION));
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        QCOMPARE(box.minimumHeight(), 200);
        QVERIFY(box.BB_Assabentat->isDefault());
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
            // The copyright holder and the licence, with a link to its text.
            QVERIFY(first.contains("Copyright \xA9 2026 Els desenvolupadors de Teclarium<br>"));
            QVERIFY(
                first.contains("(GPL-3.0-or-later), <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"));
            QVERIFY(box.RxRichEdit->toPlainText().contains("No hi ha CAP GARANTIA"));
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
