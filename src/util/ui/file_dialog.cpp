#include "util/ui/file_dialog.h"

#include <QFileDialog>

namespace teclarium {

void SetCatalanTexts(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("Cerca a:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("Nom del fitxer:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("Tipus de fitxer:"));
    dialog.setLabelText(
        QFileDialog::Accept,
        QString::fromUtf8(dialog.acceptMode() == QFileDialog::AcceptSave ? "&Desa" : "&Obre"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("Cancel·la"));
}

}  // namespace teclarium
