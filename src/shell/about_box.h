// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The about box "Referència": the program's icon, name and version above a rich-text
// panel whose links open in the desktop's default handler, and "Assabentat/ada".
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace teclarium {

class TBoxRefRichE0 : public QDialog {
    Q_OBJECT

  public:
    // programName: the program file's name without its extension.
    explicit TBoxRefRichE0(const std::string& programName, QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* L_TitlePrg = nullptr;
    QLabel* L_Version = nullptr;
    QTextBrowser* RxRichEdit = nullptr;
    QPushButton* BB_Assabentat = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void RxRichEditURLClick(const QUrl& link);
    bool FPlaced = false;
};

}  // namespace teclarium
