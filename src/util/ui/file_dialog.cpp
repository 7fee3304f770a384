#include "util/ui/file_dialog.h"

#include <QFileDialog>

namespace teclarium {

void UseProgramFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

}  // namespace teclarium
