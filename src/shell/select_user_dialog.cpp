// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/select_user_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "settings/users.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {

TFSelectUser::TFSelectUser(const std::string& settingsDir, const std::string& programName, QWidget* parent)
    : TFBBOkCnHlp(kSelectUserHelpContext, parent), FProgramName(programName) {
    setWindowTitle(QString::fromUtf8("Qui sou?"));
    CB_User = new QComboBox(this);
    CB_User->setObjectName("CB_User");
    CB_User->setAccessibleName(QString::fromUtf8("Nom de l'usuari"));
    CB_User->setEditable(true);
    CB_User->setInsertPolicy(QComboBox::NoInsert);
    CB_User->setMinimumWidth(240);
    for (const std::string& name : ListUserNames(settingsDir, programName))
        CB_User->addItem(QString::fromUtf8(name));
    CB_User->setCurrentIndex(-1);
    // Keys reach the combo box, which hands them to its line edit.
    CB_User->installEventFilter(this);
    // textEdited comes before textChanged, which keeps the text as it was before an edit.
    connect(CB_User->lineEdit(), &QLineEdit::textChanged, this,
            [this] { FText = CB_User->lineEdit()->text(); });
    connect(CB_User->lineEdit(), &QLineEdit::textEdited, this, &TFSelectUser::CB_UserTextEdited);
    Body()->addWidget(CB_User);
    CB_User->setFocus();
}

std::optional<std::string> TFSelectUser::Ask(const std::string& settingsDir, const std::string& programName,
                                             QWidget* parent) {
    TFSelectUser dialog(settingsDir, programName, parent);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.CB_User->currentText().toStdString();
}

bool TFSelectUser::BB_OkClick() {
    const std::string message = CheckUserName(CB_User->currentText().toStdString(), FProgramName);
    if (message.empty()) return true;
    ErrorBox(message);
    CB_User->setFocus();
    return false;
}

bool TFSelectUser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && CB_UserKeyPress(static_cast<QKeyEvent*>(event)->text()))
        return true;
    return TFBBOkCnHlp::eventFilter(watched, event);
}

bool TFSelectUser::CB_UserKeyPress(const QString& text) {
    return text.size() == 1 && text[0].unicode() < 128 && IsFilteredUserChar(char(text[0].unicode()));
}

void TFSelectUser::CB_UserTextEdited(const QString& text) {
    // The inserted part lies between what the text kept at its start and at its end.
    const QString& before = FText;
    qsizetype head = 0;
    while (head < before.size() && head < text.size() && before[head] == text[head]) ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < text.size() - head &&
           before[before.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    QString inserted = text.mid(head, text.size() - head - tail);
    inserted.removeIf([](QChar ch) { return ch.unicode() < 128 && IsFilteredUserChar(char(ch.unicode())); });
    const QString result = text.left(head) + inserted + text.right(tail);
    if (result == text) return;
    QLineEdit* edit = CB_User->lineEdit();
    edit->setText(result);
    edit->setCursorPosition(int(head + inserted.size()));
}

}  // namespace teclarium
