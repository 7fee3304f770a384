// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// help_topics.h
#pragma once
#include <functional>
namespace teclarium {
using THelpTopicViewer = std::function<void(const char* identifier)>;
// Opens the help at the topic with this identifier; an empty identifier opens the contents page.
void ShowHelpTopic(const char* identifier);
void ShowHelpContents();
THelpTopicViewer SetHelpTopicViewer(THelpTopicViewer viewer);
}
