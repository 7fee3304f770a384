// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The "Progrés" window: keys per minute and wrong keys per hundred by date, the
// keyboard as a heat map of the wrong keys, the ten most missed characters, and a
// button that starts a drill on the weak ones (not on another learner's history).
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "keyboard/key_chars.h"
#include "progress/history_file.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace teclarium {

class TFProgress : public QDialog {
    Q_OBJECT

  public:
    // colourBlind: the heat map in the colour-blind palette. Without practice, no
    // button starts a drill: the history is another learner's.
    TFProgress(const TProgress& progress, const TKeyCharsList& keys, QWidget* parent = nullptr,
               bool colourBlind = false, bool practice = true);

    // The characters of the weak-keys drill; empty when too few were missed.
    const std::string& WeakChars() const { return FWeakChars; }

    QLabel* L_Summary = nullptr;
    QTableWidget* TW_MostMissed = nullptr;
    QLabel* L_WeakKeysHint = nullptr;
    QPushButton* BB_PracticeWeakKeys = nullptr;
    QPushButton* BB_Close = nullptr;

  private:
    void AddHistory(const TProgress& progress, const TKeyCharsList& keys, bool colourBlind, bool practice);
    std::string FWeakChars;
    // The history's parts, in a scrolling area: at a large scale they outgrow the screen.
    QVBoxLayout* FBody = nullptr;
};

// What the menu item "Progrés..." hands over.
struct TProgressRequest {
    std::string HistoryFile;  // the current user's
    TKeyCharsList Keys;       // the key mapping, for the heat map
    // Starts a random-words drill on the given characters (Windows-1252 bytes).
    std::function<void(const std::string& chars)> StartDrill;
    bool ColourBlind = false;  // the heat map's palette
};

// Reads the history, shows the window modally and, when its button was pressed,
// starts the drill on the weak characters once the window has closed.
void ShowProgress(QWidget* parent, const TProgressRequest& request);

}  // namespace teclarium
