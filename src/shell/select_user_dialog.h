// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The user dialog "Qui sou?": the user types a name or picks a known one.
#pragma once

#include <optional>
#include <string>

#include "shell/ok_cancel_help_dialog.h"

class QComboBox;

namespace teclarium {

inline constexpr int kSelectUserHelpContext = 1014;

class TFSelectUser : public TFBBOkCnHlp {
    Q_OBJECT

  public:
    // Lists the users of the settings folder (programName's own file left out).
    TFSelectUser(const std::string& settingsDir, const std::string& programName, QWidget* parent = nullptr);

    // The accepted name (file-name text), or nothing on Cancel.
    static std::optional<std::string> Ask(const std::string& settingsDir, const std::string& programName,
                                          QWidget* parent = nullptr);

    QComboBox* CB_User = nullptr;

  protected:
    bool BB_OkClick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the typed character is to be discarded.
    static bool CB_UserKeyPress(const QString& text);
    // Text put in by pasting or dropping loses the filtered characters too.
    void CB_UserTextEdited(const QString& text);

    std::string FProgramName;
    QString FText;  // the text before the edit under way
};

}  // namespace teclarium
