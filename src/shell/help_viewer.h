// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The program's own help window: the help file (HTML, Windows-1252 with a charset
// meta tag) in a text browser, opened at its contents page, at a topic by
// identifier (an anchor) or at a topic by help context number.
#pragma once

#include <QWidget>
#include <string>

class QPushButton;
class QTextBrowser;

namespace teclarium {

class THelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Shows the file at the topic with this identifier (the contents page when empty).
    void ShowTopic(const std::string& helpFile, const std::string& identifier);

    QTextBrowser* Browser = nullptr;
    QPushButton* BB_Back = nullptr;
    QPushButton* BB_Contents = nullptr;

  private:
    // Puts the text's caret at the anchor of that name, else at the top.
    void PlaceCaret(const QString& anchor);
};

// Registers the help window on both help seams (topics and context numbers). The
// window is created at the first request and raised at the later ones; a missing
// help file is reported and nothing else happens.
void InstallHelpViewer(std::string helpFile);
// The help window, or null before the first request.
THelpViewer* HelpViewerWindow();

}  // namespace teclarium
