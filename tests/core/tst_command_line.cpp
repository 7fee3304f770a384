// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The command line: a bare start runs; --help and --version print and end; anything
// else is refused with a message and the usage, exit code 2.
#include <QTest>

#include "util/command_line.h"

using namespace teclarium;

namespace {

constexpr int kRun = -1;

QString FirstLine(const std::string& text) {
    return QString::fromStdString(text.substr(0, text.find('\n')));
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void outcome_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");  // its first line
        QTest::addColumn<QString>("err");  // its first line
        const QString version =
            QStringLiteral("Teclarium %1.%2").arg(TECLARIUM_VERSION_MAJOR).arg(TECLARIUM_VERSION_MINOR);
        const QString usage = QString::fromUtf8("Ús: teclarium [OPCIÓ]");
        const QString none;
        QTest::newRow("bare start runs") << "teclarium" << QStringList() << kRun << none << none;
        QTest::newRow("--help") << "teclarium" << QStringList{"--help"} << 0 << usage << none;
        QTest::newRow("-h") << "teclarium" << QStringList{"-h"} << 0 << usage << none;
        QTest::newRow("--version") << "teclarium" << QStringList{"--version"} << 0 << version << none;
        QTest::newRow("-V") << "teclarium" << QStringList{"-V"} << 0 << version << none;
        QTest::newRow("help before version, either order")
            << "teclarium" << QStringList{"--version", "--help"} << 0 << usage << none;
        QTest::newRow("usage names the command as started")
            << "/usr/bin/teclarium" << QStringList{"--help"} << 0 << usage << none;
        QTest::newRow("usage names the program file")
            << "./Teclarium" << QStringList{"-h"} << 0 << QString::fromUtf8("Ús: Teclarium [OPCIÓ]") << none;
        QTest::newRow("no name: the command's") << "" << QStringList{"-h"} << 0 << usage << none;
        QTest::newRow("unknown long option") << "teclarium" << QStringList{"--bogus"} << 2 << none
                                             << QString::fromUtf8("Opció desconeguda: --bogus");
        QTest::newRow("unknown short option")
            << "teclarium" << QStringList{"-x"} << 2 << none << QString::fromUtf8("Opció desconeguda: -x");
        QTest::newRow("options are case-sensitive") << "teclarium" << QStringList{"--HELP"} << 2 << none
                                                    << QString::fromUtf8("Opció desconeguda: --HELP");
        QTest::newRow("no value for --help") << "teclarium" << QStringList{"--help=yes"} << 2 << none
                                             << QString::fromUtf8("Opció desconeguda: --help=yes");
        QTest::newRow("a bad one refuses the whole line")
            << "teclarium" << QStringList{"--help", "--bogus"} << 2 << none
            << QString::fromUtf8("Opció desconeguda: --bogus");
        QTest::newRow("Qt's -display refused") << "teclarium" << QStringList{"-display", ":1"} << 2 << none
                                               << QString::fromUtf8("Opció desconeguda: -display");
        QTest::newRow("Qt's -platform refused") << "teclarium" << QStringList{"-platform", "offscreen"} << 2
                                                << none << QString::fromUtf8("Opció desconeguda: -platform");
        QTest::newRow("a file name refused") << "teclarium" << QStringList{"11.tcm"} << 2 << none
                                             << QString::fromUtf8("Argument inesperat: 11.tcm");
        QTest::newRow("a lone dash refused")
            << "teclarium" << QStringList{"-"} << 2 << none << QString::fromUtf8("Argument inesperat: -");
        QTest::newRow("an empty argument refused")
            << "teclarium" << QStringList{""} << 2 << none << QString::fromUtf8("Argument inesperat: ");
        QTest::newRow("session restart runs")
            << "teclarium" << QStringList{"-session", "10d2c3_12"} << kRun << none << none;
        QTest::newRow("session without its value") << "teclarium" << QStringList{"-session"} << 2 << none
                                                   << QString::fromUtf8("Falta el valor de l'opció -session");
        QTest::newRow("session value is not read as an option")
            << "teclarium" << QStringList{"-session", "--bogus"} << kRun << none << none;
    }
    void outcome() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        std::vector<std::string> held;
        for (const QString& arg : args) held.push_back(arg.toStdString());
        const std::vector<std::string_view> views(held.begin(), held.end());
        const std::string name = program.toStdString();
        const TCommandLineOutcome outcome = ReadCommandLine(name, views);

        QCOMPARE(outcome.FExitCode.value_or(kRun), exitCode);
        QCOMPARE(FirstLine(outcome.FOut), out);
        QCOMPARE(FirstLine(outcome.FErr), err);
        // A refusal is followed by the whole usage, as --help prints it.
        if (exitCode == 2) {
            const std::string usage = ReadCommandLine(name, {"--help"}).FOut;
            QVERIFY(outcome.FErr.ends_with("\n\n" + usage));
        }
        // Only the help and the version go to stdout, each one line or more ending in a newline.
        if (!outcome.FOut.empty()) QVERIFY(outcome.FOut.ends_with('\n'));
    }

    // The version names the copyright holder and the licence, as the package's copyright file does.
    void versionStatesTheLicence() {
        const QStringList lines = QString::fromStdString(ReadCommandLine("teclarium", {"--version"}).FOut)
                                      .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[1], QString::fromUtf8("Copyright © 2026 Els desenvolupadors de Teclarium"));
        QCOMPARE(lines[2], QString::fromUtf8("Llicència: GNU GPL versió 3 o posterior (GPL-3.0-or-later), "
                                             "https://www.gnu.org/licenses/gpl-3.0.html"));
        QVERIFY(lines[4].contains("CAP GARANTIA"));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
