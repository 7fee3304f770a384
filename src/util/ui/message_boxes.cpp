// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "util/ui/modal.h"

namespace teclarium {
namespace {

QString Lines(const std::string& text) {
    return QString::fromUtf8(text).replace("\r\n", "\n");
}

int Show(QMessageBox::Icon icon, const char* caption, const std::string& text, bool yesNo) {
    QMessageBox box(icon, QString::fromUtf8(caption), Lines(text), QMessageBox::NoButton);
    box.setTextFormat(Qt::PlainText);
    if (yesNo) {
        QPushButton* yes = box.addButton(QString::fromUtf8("&Sí"), QMessageBox::YesRole);
        yes->setObjectName("Yes");
        QPushButton* no = box.addButton(QString::fromUtf8("&No"), QMessageBox::NoRole);
        no->setObjectName("No");
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        RunModal(box);
        return box.clickedButton() == yes ? QMessageBox::Yes : QMessageBox::No;
    }
    QPushButton* ok = box.addButton(QString::fromUtf8("D'acord"), QMessageBox::AcceptRole);
    ok->setObjectName("OK");
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    RunModal(box);
    return QMessageBox::Ok;
}

}  // namespace

void ErrorBox(const std::string& text) {
    Show(QMessageBox::Critical, "Error", text, false);
}
void WarningBox(const std::string& text) {
    Show(QMessageBox::Warning, "Compte", text, false);
}
bool ConfirmBox(const std::string& text) {
    return Show(QMessageBox::Question, "Confirma", text, true) == QMessageBox::Yes;
}
void ShowMessage(const std::string& text) {
    Show(QMessageBox::NoIcon, "Teclarium", text, false);
}
void GeneralErrorReport(const std::string& text) {
    Show(QMessageBox::Critical, "Teclarium", text, false);
}

}  // namespace teclarium
