// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Shortcuts: the desktop entry's quoting, and the make-shortcut dialog putting
// Teclarium.desktop in the applications folder or on the desktop of a temporary home.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include "platform/shell_links.h"
#include "shell/make_link_dialog.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {
QStringList Lines(const std::string& text) {
    return QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
}
}  // namespace

class TestShortcuts : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(FHome.isValid());
        qputenv("HOME", QFile::encodeName(FHome.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(FHome.filePath("data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(FHome.filePath("config")));
    }

    void desktopEntry_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("plain") << "/opt/t/teclarium" << QString()
                               << QStringList{"[Desktop Entry]", "Type=Application",
                                              "Name=Teclarium",  "Exec=\"/opt/t/teclarium\"",
                                              "Path=/opt/t",     "Icon=teclarium",
                                              "Terminal=false",  "Categories=Education;"};
        // Quoted for the command line, then escaped as a string value.
        QTest::newRow("blank, $, `, quote, %")
            << "/home/a b/$x`\"%/teclarium"
            << "Tutor"
            << QStringList{"[Desktop Entry]",
                           "Type=Application",
                           "Name=Teclarium",
                           "Comment=Tutor",
                           "Exec=\"/home/a b/\\\\$x\\\\`\\\\\"%%/teclarium\"",
                           "Path=/home/a b/$x`\"%",
                           "Icon=teclarium",
                           "Terminal=false",
                           "Categories=Education;"};
        QTest::newRow("backslash, line break")
            << "/a\\b/c\nd/teclarium" << QString()
            << QStringList{"[Desktop Entry]",    "Type=Application",
                           "Name=Teclarium",     "Exec=\"/a\\\\\\\\b/c\\nd/teclarium\"",
                           "Path=/a\\\\b/c\\nd", "Icon=teclarium",
                           "Terminal=false",     "Categories=Education;"};
        // An installed program's shortcut starts its command: no working folder.
        QTest::newRow("a command on the PATH")
            << "teclarium" << QString()
            << QStringList{"[Desktop Entry]",      "Type=Application", "Name=Teclarium",
                           "Exec=\"teclarium\"",   "Icon=teclarium",   "Terminal=false",
                           "Categories=Education;"};
    }
    void desktopEntry() {
        QFETCH(QString, target);
        QFETCH(QString, description);
        QTEST(Lines(DesktopEntry("Teclarium", target.toStdString(), {}, description.toStdString(),
                                 "teclarium")),
              "lines");
    }

    void makeLink_data() {
        QTest::addColumn<int>("item");  // -1: accepted as offered
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("place");
        QTest::newRow("desktop, as offered") << -1 << true << "Desktop/Teclarium.desktop";
        QTest::newRow("programs menu") << 0 << true << "data/applications/Teclarium.desktop";
        QTest::newRow("start menu") << 1 << true << "data/applications/Teclarium.desktop";
        QTest::newRow("cancelled") << 0 << false << QString();
    }
    void makeLink() {
        QFETCH(int, item);
        QFETCH(bool, accept);
        QFETCH(QString, place);
        QFile::remove(FHome.filePath("Desktop/Teclarium.desktop"));
        QFile::remove(FHome.filePath("data/applications/Teclarium.desktop"));
        // An existing entry is replaced.
        if (item == -1) {
            QVERIFY(QDir(FHome.path()).mkpath("Desktop"));
            QFile old(FHome.filePath(place));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("[Desktop Entry]\nName=Old\n");
        }
        TDialogAnswers answers;
        int offered = -1;
        answers.Expect([&](QDialog& d) {
            auto& dialog = static_cast<TFMakeLinkProgram&>(d);
            offered = dialog.ItemIndex();
            if (item >= 0) dialog.SetItemIndex(item);
            return ClickButton(d, accept ? "BB_Ok" : "BB_Cancel");
        });
        MakeLinkProgram(kLinkHelpContext, kLinkName);
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(offered, 2);
        QCOMPARE(QFile::exists(FHome.filePath("Desktop/Teclarium.desktop")), place.startsWith("Desktop"));
        QCOMPARE(QFile::exists(FHome.filePath("data/applications/Teclarium.desktop")),
                 place.startsWith("data"));
        if (place.isEmpty()) return;
        QFile entry(FHome.filePath(place));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
        const QString program = QCoreApplication::applicationFilePath();
        QVERIFY(lines.contains("Name=Teclarium"));
        QVERIFY(lines.contains("Exec=\"" + program + "\""));
        QVERIFY(lines.contains("Path=" + QFileInfo(program).path()));
        QVERIFY(entry.permissions() & QFile::ExeOwner);
    }

    // Installed with its menu entry: the entry in share/applications/ above the program's folder.
    void installedInMenu_data() {
        QTest::addColumn<QString>("program");  // in the tree
        QTest::addColumn<QString>("entry");    // made in the tree; a trailing / makes a folder
        QTest::addColumn<bool>("inMenu");
        QTest::newRow("package under /usr")
            << "usr/libexec/Teclarium"
            << "usr/share/applications/org.teclarium.Teclarium.desktop" << true;
        QTest::newRow("a user's prefix")
            << "home/a/.local/libexec/Teclarium"
            << "home/a/.local/share/applications/org.teclarium.Teclarium.desktop" << true;
        QTest::newRow("no entry installed") << "usr/libexec/Teclarium" << QString() << false;
        QTest::newRow("another program's entry") << "usr/libexec/Teclarium"
                                                 << "usr/share/applications/Teclarium.desktop" << false;
        QTest::newRow("entry of another prefix")
            << "opt/t/libexec/Teclarium"
            << "usr/share/applications/org.teclarium.Teclarium.desktop" << false;
        QTest::newRow("a folder of that name")
            << "usr/libexec/Teclarium"
            << "usr/share/applications/org.teclarium.Teclarium.desktop/" << false;
        QTest::newRow("build folder") << "build/Teclarium" << QString() << false;
    }
    void installedInMenu() {
        QFETCH(QString, program);
        QFETCH(QString, entry);
        QTemporaryDir tree;
        const QDir root(tree.path());
        QVERIFY(root.mkpath(QFileInfo(program).path()));
        if (entry.endsWith('/')) {
            QVERIFY(root.mkpath(entry));
        } else if (!entry.isEmpty()) {
            QVERIFY(root.mkpath(QFileInfo(entry).path()));
            QFile file(root.filePath(entry));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QTEST(InstalledInMenu(QFile::encodeName(root.filePath(program)).toStdString()), "inMenu");
    }

    // The installed program is offered the desktop only; its shortcut starts the
    // command, with the icon of the theme, and no second menu entry is made.
    void installedProgramLinksCommand() {
        QTemporaryDir tree;
        const QDir root(tree.path());
        QVERIFY(root.mkpath("usr/libexec") && root.mkpath("usr/share/applications"));
        QFile menuEntry(root.filePath("usr/share/applications/org.teclarium.Teclarium.desktop"));
        QVERIFY(menuEntry.open(QIODevice::WriteOnly));
        QFile::remove(FHome.filePath("Desktop/Teclarium.desktop"));
        QFile::remove(FHome.filePath("data/applications/Teclarium.desktop"));
        TDialogAnswers answers;
        QString offered;  // the enabled items, then the chosen one
        answers.Expect([&](QDialog& d) {
            auto& dialog = static_cast<TFMakeLinkProgram&>(d);
            const QList<QAbstractButton*> items = dialog.RG_PresetDirs->findChildren<QAbstractButton*>();
            QStringList enabled;
            for (const QAbstractButton* item : items)
                if (item->isEnabled()) enabled << item->objectName();
            offered = enabled.join(',') + ' ' + QString::number(dialog.ItemIndex());
            return ClickButton(d, "BB_Ok");
        });
        MakeLinkProgram(kLinkHelpContext, kLinkName, nullptr,
                        QFile::encodeName(root.filePath("usr/libexec/Teclarium")).toStdString());
        QCOMPARE(offered, QString("RG_PresetDirs2 2"));
        QVERIFY(!QFile::exists(FHome.filePath("data/applications/Teclarium.desktop")));
        QFile entry(FHome.filePath("Desktop/Teclarium.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines,
                 (QStringList{"[Desktop Entry]", "Type=Application", "Name=Teclarium", "Exec=\"teclarium\"",
                              "Icon=teclarium", "Terminal=false", "Categories=Education;"}));
    }

    void linkNeedsDesktopExtension() {
        // The refusal comes back as the message for the user; the shell shows it.
        TDialogAnswers answers;
        const QString link = FHome.filePath("Teclarium.lnk");
        const std::optional<std::string> refused =
            TInstApp().CreateShellLink("/opt/t/teclarium", {}, {}, QFile::encodeName(link).toStdString());
        QCOMPARE(QString::fromStdString(refused.value_or("")), QString::fromUtf8(kMsgLinkExtension));
        QCOMPARE(answers.Shown(), 0);
        QVERIFY(!QFile::exists(link));
    }

  private:
    QTemporaryDir FHome;
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
