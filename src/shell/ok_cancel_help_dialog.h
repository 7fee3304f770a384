// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The base of the program's option dialogs: a fixed-size dialog centred on the
// screen, its own controls in Body(), and the buttons "D'acord", "Cancel·la" and
// "Ajuda" (help on the dialog's own help context).
#pragma once

#include <QDialog>

class QPushButton;
class QVBoxLayout;

namespace teclarium {

class TFBBOkCnHlp : public QDialog {
    Q_OBJECT

  public:
    TFBBOkCnHlp(int helpContext, QWidget* parent = nullptr);

    int HelpContext() const { return FHelpContext; }

    QPushButton* BB_Ok = nullptr;
    QPushButton* BB_Cancel = nullptr;
    QPushButton* BB_Help = nullptr;

  protected:
    // Where a derived dialog puts its controls, above the buttons.
    QVBoxLayout* Body() const { return FBody; }
    // Runs when "D'acord" is pressed; the dialog closes with OK only when it returns true.
    virtual bool BB_OkClick() { return true; }
    void BB_HelpClick();
    void showEvent(QShowEvent* e) override;

  private:
    int FHelpContext;
    QVBoxLayout* FBody = nullptr;
};

}  // namespace teclarium
