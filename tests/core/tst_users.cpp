// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Users: the known users of a folder, the name rules of the user dialog, and the
// switching of several-users mode with its settings loads and saves.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "settings/users.h"

using namespace teclarium;

namespace {

// The window's side of a switch: which settings are in use and which file each
// load and save reaches (a user's own file while the mode is on with a user).
struct TFakeWindow {
    bool FSeveralUsers = false;
    std::string FUserName;
    QString InUse = "shared";
    std::map<QString, QString> Files{{"Teclarium.ini", "shared"}};
    QStringList Log;
    QStringList Answers;  // user dialog answers; "" is Cancel
    bool ConfirmAnswer = false;

    QString File() const {
        return FSeveralUsers && !FUserName.empty() ? QString::fromStdString(FUserName) + ".ini"
                                                   : "Teclarium.ini";
    }
    void Save() {
        Log << "save " + File();
        Files[File()] = InUse;
    }
    TUserSwitch Switch() {
        return TUserSwitch(FSeveralUsers, FUserName,
                           {[this] { Save(); },
                            [this] {
                                Log << "load " + File();
                                InUse = Files.count(File()) ? Files[File()] : "defaults";
                            },
                            [this]() -> std::optional<std::string> {
                                const QString answer = Answers.isEmpty() ? QString() : Answers.takeFirst();
                                Log << "ask";
                                if (answer.isEmpty()) return std::nullopt;
                                return answer.toStdString();
                            },
                            [this](const std::string& question) {
                                Log << "confirm " + QString::fromUtf8(question.c_str());
                                return ConfirmAnswer;
                            },
                            [this](bool checked) { Log << (checked ? "check" : "uncheck"); }});
    }
};

}  // namespace

class TestUsers : public QObject {
    Q_OBJECT

  private slots:
    void listsUsersButTheSharedFile() {
        QTemporaryDir dir;
        for (const char* name : {"Teclarium.ini", "Pere.ini", "Anna.ini", "TECLARIUM.ini", "Drill.old.ini",
                                 "notes.txt", "Marta.INI", "a:b.ini"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // A name whose history file would be one byte too long for the file system.
        QFile tooLong(dir.filePath(QString(251, 'a') + ".ini"));
        QVERIFY(tooLong.open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkdir("Carpeta.ini"));
        // The users, in the file system's own order among all its entries.
        const QStringList users{"Pere.ini", "Anna.ini", "Drill.old.ini"};
        QStringList expected;
        for (const QString& entry :
             QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                            QDir::Unsorted))
            if (users.contains(entry)) expected << entry.chopped(4);
        QCOMPARE(expected.size(), users.size());
        QStringList listed;
        for (const std::string& name :
             ListUserNames(QFile::encodeName(dir.path()).toStdString(), "teclarium"))
            listed << QString::fromStdString(name);
        QCOMPARE(listed, expected);
    }

    void filteredCharacters() {
        const std::string all = ".:/|\\?<>\"";
        for (int ch = 1; ch < 256; ++ch)
            QCOMPARE(IsFilteredUserChar(char(ch)), all.find(char(ch)) != std::string::npos);
    }

    void nameRules_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("message");
        const QString invalid = QString::fromUtf8(kMsgInvalidUserName);
        QTest::newRow("empty") << QByteArray() << QString::fromUtf8(kMsgNoUserName);
        QTest::newRow("own name, any case") << QByteArray("TecLARium") << invalid;
        QTest::newRow("plain") << QByteArray("Anna") << QString();
        QTest::newRow("listed with dot") << QByteArray("Drill.old") << QString();
        QTest::newRow("accented, blank") << QByteArray("Àngel Puig") << QString();
        QTest::newRow("own name longer") << QByteArray("Teclarium2") << QString();
        QTest::newRow("slash") << QByteArray("../Anna") << invalid;
        QTest::newRow("backslash") << QByteArray("a\\b") << invalid;
        QTest::newRow("star") << QByteArray("a*") << invalid;
        QTest::newRow("colon") << QByteArray("c:a") << invalid;
        QTest::newRow("control") << QByteArray("An\nna") << invalid;
        QTest::newRow("delete") << QByteArray("An\x7Fna") << invalid;
        QTest::newRow("dot") << QByteArray(".") << invalid;
        QTest::newRow("dot dot") << QByteArray("..") << invalid;
        // Each of the user's files must fit 255 bytes: the history's ".hist" is the longest.
        QTest::newRow("250 bytes") << QByteArray(250, 'a') << QString();
        QTest::newRow("251 bytes: its history's name too long") << QByteArray(251, 'a') << invalid;
        QTest::newRow("252 bytes") << QByteArray(252, 'a') << invalid;
        QTest::newRow("125 two-byte letters") << QByteArray("à").repeated(125) << QString();
        QTest::newRow("126 two-byte letters") << QByteArray("à").repeated(126) << invalid;
    }
    void nameRules() {
        QFETCH(QByteArray, name);
        QFETCH(QString, message);
        QCOMPARE(QString::fromUtf8(CheckUserName(name.toStdString(), "Teclarium").c_str()), message);
    }

    // Each row: the state before, the switch, the dialog's and confirmation's
    // answers, the state after and what happened, in order.
    void setSeveralUsers_data() {
        QTest::addColumn<bool>("several");
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("severalAfter");
        QTest::addColumn<QString>("userAfter");
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<QString>("log");
        const QString question = "confirm " + QString::fromUtf8(kMsgDisableSeveralUsers);
        QTest::newRow("start, Anna") << false << "" << true << QStringList{"Anna"} << false << true << "Anna"
                                     << "anna"
                                     << "check|ask|load Anna.ini";
        QTest::newRow("start, new user")
            << false << "" << true << QStringList{"Marta"} << false << true << "Marta"
            << "defaults"
            << "check|ask|load Marta.ini";
        // Nothing is saved when switching off; the next save goes to the shared file.
        QTest::newRow("off while Anna")
            << true << "Anna" << false << QStringList{} << false << false << "Anna"
            << "anna"
            << "uncheck";
        QTest::newRow("on again: Anna's file first, then Pere")
            << false << "Anna" << true << QStringList{"Pere"} << false << true << "Pere"
            << "pere"
            << "check|save Anna.ini|ask|load Pere.ini";
        QTest::newRow("Cancel, Yes: mode off")
            << false << "" << true << QStringList{""} << true << false << ""
            << "shared"
            << "check|ask|" + question + "|uncheck";
        QTest::newRow("Cancel, No: on without user")
            << false << "" << true << QStringList{""} << false << true << ""
            << "shared"
            << "check|ask|" + question;
        QTest::newRow("Cancel after Anna: saved, then no user")
            << false << "Anna" << true << QStringList{""} << false << true << ""
            << "anna"
            << "check|save Anna.ini|ask|" + question;
    }
    void setSeveralUsers() {
        QFETCH(bool, several);
        QFETCH(QString, user);
        QFETCH(bool, value);
        QFETCH(QStringList, answers);
        QFETCH(bool, confirm);
        TFakeWindow window;
        window.FSeveralUsers = several;
        window.FUserName = user.toStdString();
        window.InUse = user.isEmpty() ? "shared" : user.toLower();
        window.Files["Anna.ini"] = "anna";
        window.Files["Pere.ini"] = "pere";
        window.Answers = answers;
        window.ConfirmAnswer = confirm;
        window.Switch().SetSeveralUsers(value);
        QTEST(window.FSeveralUsers, "severalAfter");
        QTEST(QString::fromStdString(window.FUserName), "userAfter");
        QTEST(window.InUse, "inUse");
        QTEST(window.Log.join('|'), "log");
        QVERIFY(window.Answers.isEmpty());
        QCOMPARE(window.Files["Anna.ini"], QString("anna"));
    }
};

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
