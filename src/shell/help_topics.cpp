// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/help_topics.h"

#include <utility>

namespace teclarium {
namespace {
THelpTopicViewer& Viewer() {
    static THelpTopicViewer viewer;
    return viewer;
}
}  // namespace

void ShowHelpTopic(const char* identifier) {
    if (Viewer()) Viewer()(identifier);
}

void ShowHelpContents() {
    ShowHelpTopic("");
}

THelpTopicViewer SetHelpTopicViewer(THelpTopicViewer viewer) {
    return std::exchange(Viewer(), std::move(viewer));
}

}  // namespace teclarium
