#include "util/ui/help.h"

namespace teclarium {
namespace {
THelpContextViewer& Viewer() {
    static THelpContextViewer viewer;
    return viewer;
}
}  // namespace

void ShowHelpContext(int context) {
    if (Viewer()) Viewer()(context);
}

THelpContextViewer SetHelpContextViewer(THelpContextViewer viewer) {
    return std::exchange(Viewer(), std::move(viewer));
}

}  // namespace teclarium
