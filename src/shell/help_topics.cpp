#include "shell/help_topics.h"

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
