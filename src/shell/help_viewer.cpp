// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/help_viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <array>

#include "report/ui/group_report_window.h"
#include "shell/help_topics.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/ui/help.h"
#include "util/ui/message_boxes.h"
#include "util/ui/placement.h"

namespace teclarium {
namespace {

constexpr std::string_view kMsgHelpFileNotFound = "No s'ha trobat l'arxiu d'ajuda '%s'";

struct TContextTopic {
    int Context;
    const char* Topic;
};

// The help contexts of the windows and of the on-screen keyboard.
constexpr std::array<TContextTopic, 8> kContextTopics{{
    {1001, "MainWindow"},
    {1008, "TwoHands"},
    {1009, "OneHand"},
    {1012, "Shortcut"},
    {1013, "UnusualOptions"},
    {1014, "SeveralUsers"},
    {1015, "Course"},
    {kGroupReportHelpContext, "GroupReport"},
}};

// The anchor of a help context number; empty (the contents page) for an unknown number.
std::string HelpContextTopic(int context) {
    for (const TContextTopic& entry : kContextTopics) {
        if (entry.Context == context) return entry.Topic;
    }
    return {};
}

QPointer<THelpViewer>& Window() {
    static QPointer<THelpViewer> window;
    return window;
}

void OpenHelp(const std::string& helpFile, const std::string& identifier) {
    if (!FileExists(helpFile)) {
        ErrorBox(Format(kMsgHelpFileNotFound, helpFile));
        return;
    }
    if (!QFileInfo(QString::fromStdString(helpFile)).isReadable()) {
        ErrorBox(Format(kMsgCannotOpenFile, helpFile));
        return;
    }
    QPointer<THelpViewer>& window = Window();
    if (!window) {
        window = new THelpViewer;
        // The help window closes with the program and never keeps it running.
        QObject::connect(qApp, &QApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    // Help asked for from a modal dialog stays usable beside it: a window that the
    // dialog owns (its transient child) is not blocked by the dialog.
    QWidget* modal = QApplication::activeModalWidget();
    window->winId();
    window->windowHandle()->setTransientParent(modal && modal != window ? modal->windowHandle() : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    window->ShowTopic(helpFile, identifier);
}

}  // namespace

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("THelpViewer");
    setWindowTitle(QString::fromUtf8("Ajuda de Teclarium"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    BB_Contents = new QPushButton(QString::fromUtf8("&Continguts"), this);
    BB_Contents->setObjectName("BB_Contents");
    BB_Back = new QPushButton(QString::fromUtf8("&Enrere"), this);
    BB_Back->setObjectName("BB_Back");
    BB_Back->setEnabled(false);
    buttons->addWidget(BB_Contents);
    buttons->addWidget(BB_Back);
    buttons->addStretch();
    layout->addLayout(buttons);
    Browser = new QTextBrowser(this);
    Browser->setObjectName("Browser");
    Browser->setAccessibleName(QString::fromUtf8("Text de l'ajuda"));
    Browser->setOpenExternalLinks(true);  // outside pages open in the user's browser
    // A caret, so that the arrows and Tab between links move what a screen reader reads.
    Browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    layout->addWidget(Browser);
    ResizeWithinScreen(*this, QSize(640, 560));
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, BB_Back, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { PlaceCaret(url.fragment()); });
    connect(BB_Back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(BB_Contents, &QPushButton::clicked, this,
            [this] { Browser->setSource(Browser->source().adjusted(QUrl::RemoveFragment)); });
}

void THelpViewer::ShowTopic(const std::string& helpFile, const std::string& identifier) {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(helpFile));
    if (!identifier.empty()) url.setFragment(QString::fromStdString(identifier));
    // Another help file starts a history of its own.
    if (Browser->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment)) {
        Browser->clearHistory();
    }
    Browser->setSource(url);
    PlaceCaret(url.fragment());
}

void THelpViewer::PlaceCaret(const QString& anchor) {
    // The caret goes to the topic's anchor (the top without one), where reading starts.
    QTextCursor cursor(Browser->document());
    if (!anchor.isEmpty()) {
        for (QTextBlock block = Browser->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                    cursor.setPosition(it.fragment().position());
                    Browser->setTextCursor(cursor);
                    return;
                }
            }
        }
    }
    Browser->setTextCursor(cursor);
}

void InstallHelpViewer(std::string helpFile) {
    SetHelpTopicViewer(
        [helpFile](const char* identifier) { OpenHelp(helpFile, identifier ? identifier : ""); });
    SetHelpContextViewer([helpFile](int context) { OpenHelp(helpFile, HelpContextTopic(context)); });
}

THelpViewer* HelpViewerWindow() {
    return Window();
}

}  // namespace teclarium
