#include "util/ui/modal.h"

#include <QDialog>

namespace teclarium {
namespace {
TModalHandler& Handler() {
    static TModalHandler handler;
    return handler;
}
}  // namespace

int RunModal(QDialog& dialog) {
    if (Handler()) return Handler()(dialog);
    return dialog.exec();
}

TModalHandler SetModalHandler(TModalHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace teclarium
