// The program's file dialogs: Qt's own dialog (the same on every desktop), with
// its texts in Catalan.
#pragma once

class QFileDialog;

namespace teclarium {

// Sets the dialog's labels and buttons in Catalan; the accept button by the
// dialog's accept mode ("Obre" or "Desa"), so set that first.
void SetCatalanTexts(QFileDialog& dialog);

}  // namespace teclarium
