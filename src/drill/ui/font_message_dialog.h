// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A message box like the system's, whose message is written in a font chosen by the
// caller, with the type's icon shown or not.
#pragma once

#include <QFont>
#include <QString>

namespace teclarium {

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Buttons, in their order of creation.
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
};

// Results of the buttons; the close box gives mrCancel.
enum TModalResult : int {
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

int FontMessageDialog(const QString& text, const QFont& font, bool showIcon, TMsgDlgType type,
                      unsigned buttons, int helpContext, int left, int top, const QString& helpFile);
int FontMessageDialog(const QString& text, const QFont& font, bool showIcon, TMsgDlgType type,
                      unsigned buttons, int helpContext);
// Information, one OK button, help context 0, centred.
int FontMessageDialog(const QString& text, const QFont& font, bool showIcon);

}  // namespace teclarium
