// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The help window: topics by identifier and by context number show their section of
// the help file, Back returns, and a missing help file is reported.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "shell/help_topics.h"
#include "shell/help_viewer.h"
#include "util/ui/help.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

const std::string kHelpFile = TECLARIUM_DATA_DIR "/Teclarium.html";

// The document position of an anchor, or -1 when the document has none of that name.
int AnchorPosition(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) return it.fragment().position();
        }
    }
    return -1;
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

  private slots:
    void missingHelpFile() {
        TTestFolder folder(QStringList{});
        const std::string missing = folder.Path("Teclarium.html").toStdString();
        InstallHelpViewer(missing);
        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return 0; });
        ShowHelpContext(1001);
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(answers.Texts.at(0),
                 QString::fromStdString("No s'ha trobat l'arxiu d'ajuda '" + missing + "'"));
        QVERIFY(!HelpViewerWindow());
    }

    void topics_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("context");  // used when no identifier is given
        QTest::addColumn<QString>("anchor");
        // Far down first, so that the contents page must scroll back up.
        QTest::newRow("1014 users") << QString() << 1014 << "SeveralUsers";
        QTest::newRow("contents") << "" << 0 << "";
        QTest::newRow("Introduction") << "Introduction" << 0 << "Introduction";
        QTest::newRow("MainWindow") << "MainWindow" << 0 << "MainWindow";
        QTest::newRow("1001 main window") << QString() << 1001 << "MainWindow";
        QTest::newRow("1008 two hands") << QString() << 1008 << "TwoHands";
        QTest::newRow("1009 one hand") << QString() << 1009 << "OneHand";
        QTest::newRow("1012 shortcut") << QString() << 1012 << "Shortcut";
        QTest::newRow("1013 unusual options") << QString() << 1013 << "UnusualOptions";
        QTest::newRow("1015 course") << QString() << 1015 << "Course";
        QTest::newRow("1016 group report") << QString() << 1016 << "GroupReport";
        QTest::newRow("unknown number: contents") << QString() << 4242 << "";
    }
    void topics() {
        QFETCH(QString, identifier);
        QFETCH(int, context);
        QFETCH(QString, anchor);
        InstallHelpViewer(kHelpFile);
        if (identifier.isNull())
            ShowHelpContext(context);
        else
            ShowHelpTopic(identifier.toUtf8().constData());
        THelpViewer* viewer = HelpViewerWindow();
        QVERIFY(viewer && viewer->isVisible());
        QTextBrowser* browser = viewer->Browser;
        QCOMPARE(browser->source().toLocalFile(), QString::fromStdString(kHelpFile));
        QCOMPARE(browser->source().fragment(), anchor);
        QVERIFY(browser->document()->toPlainText().contains(QString::fromUtf8("Introducció")));
        // A caret for the screen reader, at the topic, where reading starts.
        QVERIFY(browser->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        if (anchor.isEmpty()) {
            QCOMPARE(browser->verticalScrollBar()->value(), 0);
            QCOMPARE(browser->textCursor().position(), 0);
            return;
        }
        const int position = AnchorPosition(*browser->document(), anchor);
        QVERIFY2(position >= 0, qPrintable("no anchor " + anchor));
        QTextCursor cursor(browser->document());
        cursor.setPosition(position);
        QVERIFY(browser->viewport()->rect().contains(browser->cursorRect(cursor).center()));
        QCOMPARE(browser->textCursor().position(), position);
    }

    void everyLinkReachesItsSection() {
        InstallHelpViewer(kHelpFile);
        ShowHelpContents();
        const QTextDocument& document = *HelpViewerWindow()->Browser->document();
        int links = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (!href.startsWith('#')) continue;  // outside pages open in the user's browser
                ++links;
                QVERIFY2(href.startsWith('#') && AnchorPosition(document, href.mid(1)) >= 0,
                         qPrintable(href));
            }
        }
        QVERIFY(links > 20);
    }

    void backAndContents() {
        InstallHelpViewer(kHelpFile);
        ShowHelpContents();
        ShowHelpTopic("UnusualOptions");
        THelpViewer* viewer = HelpViewerWindow();
        QVERIFY(viewer->BB_Back->isEnabled());
        viewer->BB_Back->click();
        QCOMPARE(viewer->Browser->source().fragment(), QString());
        ShowHelpContext(1013);
        viewer->BB_Contents->click();
        QCOMPARE(viewer->Browser->source().fragment(), QString());
        QCOMPARE(viewer->Browser->verticalScrollBar()->value(), 0);
        QCOMPARE(HelpViewerWindow(), viewer);  // one window, raised again
    }

    // The help asked for from a modal dialog answers clicks while the dialog is open,
    // whether the help window opens then or was open before.
    void usableBesideModalDialog_data() {
        QTest::addColumn<bool>("openBefore");
        QTest::newRow("opened from the dialog") << false;
        QTest::newRow("open before the dialog") << true;
    }
    void usableBesideModalDialog() {
        QFETCH(bool, openBefore);
        InstallHelpViewer(kHelpFile);
        if (THelpViewer* viewer = HelpViewerWindow()) delete viewer;
        if (openBefore) ShowHelpContext(1001);
        QDialog dialog;
        bool contentsShown = false;
        QTimer::singleShot(0, &dialog, [&] {
            ShowHelpContext(1013);
            THelpViewer* viewer = HelpViewerWindow();
            // Through the window, as the window system delivers it (modal blocking applies).
            QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {},
                              viewer->BB_Contents->mapTo(viewer, viewer->BB_Contents->rect().center()));
            contentsShown = viewer->Browser->source().fragment().isEmpty();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(contentsShown);
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_help_viewer.moc"
