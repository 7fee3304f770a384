// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The help's lists of the menus' items name every item of the real menus, in their
// order, and nothing else.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include "shell/typewriting_window.h"
#include "util/codec.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

class TestHelpMenuList : public QObject {
    Q_OBJECT

  private slots:
    void listMatchesMenu_data() {
        QTest::addColumn<QString>("menu");  // as the help names it
        QTest::newRow("Arxiu") << "Arxiu";
        QTest::newRow("Ajuda") << "Ajuda";
    }
    void listMatchesMenu() {
        QFETCH(QString, menu);
        QFile file(TECLARIUM_DATA_DIR "/Teclarium.html");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString help = FromAnsi(file.readAll().toStdString());
        // The list after "Menú <b>NAME</b>:": the bold beginning of each of its items.
        const qsizetype start = help.indexOf(QString::fromUtf8("Menú <b>%1</b>:").arg(menu));
        QVERIFY(start >= 0);
        const qsizetype end = help.indexOf("</ul>", start);
        QVERIFY(end > start);
        QStringList listed;
        static const QRegularExpression item(QStringLiteral("<li><b>([^<]*)</b>"));
        for (const QRegularExpressionMatch& m : item.globalMatch(help.mid(start, end - start)))
            listed << m.captured(1);

        TTestFolder folder;
        TFTypewriting window;
        QStringList items;
        for (const QAction* action :
             (menu == "Arxiu" ? Child<QMenu>(window, "MI_File") : Child<QMenu>(window, "MI_Help"))->actions())
            if (!action->isSeparator()) items << action->text().remove('&');
        QCOMPARE(listed, items);
    }
};

QTEST_MAIN(TestHelpMenuList)
#include "tst_help_menu_list.moc"
