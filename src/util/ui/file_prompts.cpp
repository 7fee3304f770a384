// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/file_prompts.h"

#include "util/file_attributes.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/ui/message_boxes.h"

namespace teclarium {

bool CheckFileExists(const std::string& fileName) {
    if (FileExists(fileName)) return true;
    ErrorBox(Format(kMsgFileNotFound, fileName));
    return false;
}

bool AskClearReadOnly(const std::string& fileName) {
    const TReadOnlyDecision decision = DecideClearReadOnly(fileName);
    switch (decision.Action) {
        case TReadOnlyAction::Allow:
            return true;
        case TReadOnlyAction::RefuseOnCd:
            WarningBox(decision.Text);
            return false;
        case TReadOnlyAction::AskConfirm:
            return ConfirmBox(decision.Text) && ClearReadOnly(fileName);
    }
    return false;
}

}  // namespace teclarium
