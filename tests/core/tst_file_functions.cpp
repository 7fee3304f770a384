// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// File functions in a temporary folder: the read-only attribute, the decision of
// AskClearReadOnly, the program's own location.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "thrown_text.h"
#include "util/file_attributes.h"
#include "util/files.h"
#include "util/program_location.h"

using namespace teclarium;

namespace {
std::string Make(const QTemporaryDir& dir, const char* name, QFile::Permissions permissions) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("x");
    file.close();
    file.setPermissions(permissions);
    return QFile::encodeName(path).toStdString();
}
mode_t Mode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
}  // namespace

class TestFileFunctions : public QObject {
    Q_OBJECT

  private slots:
    void clearReadOnlyKeepsOtherPermissions() {
        QTemporaryDir dir;
        const std::string path =
            Make(dir, "sols lectura.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ExeOther);
        QVERIFY(IsReadOnly(path));
        QVERIFY(ClearReadOnly(path));
        QVERIFY(!IsReadOnly(path));
        QCOMPARE(Mode(path), mode_t(S_IRUSR | S_IWUSR | S_IRGRP | S_IXOTH));
    }

    void clearReadOnlyOnOthersIsHarmless() {
        QTemporaryDir dir;
        const std::string writable = Make(dir, "a.ini", QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(ClearReadOnly(writable));
        QCOMPARE(Mode(writable), mode_t(S_IRUSR | S_IWUSR));
        QVERIFY(ClearReadOnly(QFile::encodeName(dir.filePath("cap.ini")).toStdString()));
        QVERIFY(!FileExists(QFile::encodeName(dir.filePath("cap.ini")).toStdString()));
    }

    void decision_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("action");
        QTest::newRow("missing") << "cap.ini" << false << false << int(TReadOnlyAction::Allow);
        QTest::newRow("writable") << "Teclarium.ini" << true << false << int(TReadOnlyAction::Allow);
        QTest::newRow("read-only") << "Teclarium.ini" << true << true << int(TReadOnlyAction::AskConfirm);
    }
    void decision() {
        QFETCH(QString, name);
        QFETCH(bool, create);
        QFETCH(bool, readOnly);
        QFETCH(int, action);
        QTemporaryDir dir;
        std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
        if (create)
            path = Make(dir, name.toUtf8().constData(),
                        readOnly ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(!IsOnCdDrive(path));
        const TReadOnlyDecision d = DecideClearReadOnly(path);
        QCOMPARE(int(d.Action), action);
        if (d.Action == TReadOnlyAction::AskConfirm)
            QCOMPARE(d.Text, "L'arxiu\r\n" + path + "\r\nés de sols lectura, treure-li'n la protecció?");
        else
            QVERIFY(d.Text.empty());
    }

    void programLocation() {
        std::string folder, bare;
        GetProgramLocation(folder, bare);
        QCOMPARE(QString::fromStdString(folder), QCoreApplication::applicationDirPath() + '/');
        QCOMPARE(bare, std::string("tst_file_functions"));
        QCOMPARE(ProgramFolder(), folder);
    }

    // A folder of the file's name cannot be read as a file.
    void readWholeFileFailures() {
        QTemporaryDir dir;
        const std::string folder = QFile::encodeName(dir.filePath("11.tcm")).toStdString();
        QVERIFY(QDir(dir.path()).mkdir("11.tcm"));
        QCOMPARE(ThrownText([&] { ReadWholeFile(folder); }),
                 QString::fromStdString("No es pot obrir el fitxer " + folder));
        QCOMPARE(ThrownText([&] { ReadWholeFile(folder + "x"); }),
                 QString::fromStdString("No es pot obrir el fitxer " + folder + "x"));
        const std::string file = Make(dir, "buit.tcm", QFile::ReadOwner);
        QCOMPARE(ReadWholeFile(file), std::string("x"));
        // A size limit: the file at the limit is read, one above it refused by name.
        QCOMPARE(ReadWholeFile(file, 1), std::string("x"));
        QCOMPARE(ThrownText([&] { ReadWholeFile(file, 0); }),
                 QString::fromUtf8("L'arxiu %1 és massa gran (1 MB): no pot passar de 0 MB")
                     .arg(QString::fromStdString(file)));
    }

    // A path's own marks stay as they are in a message, wherever the message puts
    // numbers after the path.
    void pathMarksInMessages_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("%s") << "%s";
        QTest::newRow("%d") << "%d MB %d";
        QTest::newRow("%1") << "%1 %2";
        QTest::newRow("all of them") << "100% %s%d%1%%";
    }
    void pathMarksInMessages() {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(folder));
        const std::string file = QFile::encodeName(dir.filePath(folder + "/buit.tcm")).toStdString();
        QCOMPARE(ThrownText([&] { ReadWholeFile(file); }),
                 QString::fromStdString("No es pot obrir el fitxer " + file));
        WriteWholeFile(file, "x");
        QCOMPARE(ThrownText([&] { ReadWholeFile(file, 0); }),
                 QString::fromStdString("L'arxiu " + file +
                                        " \xC3\xA9s massa gran (1 MB): no pot passar de 0 MB"));
    }
};

QTEST_GUILESS_MAIN(TestFileFunctions)
#include "tst_file_functions.moc"
