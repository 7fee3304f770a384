// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/ui/typing_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "drill/drill.h"
#include "keyboard/ui/app_message_hook.h"
#include "platform/ui/virtual_keys.h"
#include "util/codec.h"

namespace teclarium {

TTypingEdit::TTypingEdit(TTypingHost& host, QWidget* parent) : QLineEdit(parent), FHost(host) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
}

void TTypingEdit::keyPressEvent(QKeyEvent* e) {
    const int vk = VirtualKeyOf(*e);
    int key = vk;
    // Where the message hook reads raw keys, it has handed on a dead key's press.
    if (!(IsDeadKey(*e) && TAppMessageHook::ReadsRawKeys())) FHost.EditKeyDown(key);
    const bool swallowed = vk != 0 && key == 0;
    // A key with Alt (and not AltGr) is a menu accelerator, never a character.
    const bool alt = (e->modifiers() & Qt::AltModifier) && !(e->modifiers() & Qt::GroupSwitchModifier);
    // Delete types no character (X11 gives it the text DEL).
    if (!swallowed && !alt && e->key() != Qt::Key_Delete) PressCharacters(e->text());
    e->accept();
}

void TTypingEdit::keyReleaseEvent(QKeyEvent* e) {
    // The compose input method swallows a dead key's press: without the raw key events
    // that show the press, its release stands in.
    if (IsDeadKey(*e) && !TAppMessageHook::ReadsRawKeys()) {
        int key = VirtualKeyOf(*e);
        FHost.EditKeyDown(key);
    }
    e->accept();
}

void TTypingEdit::inputMethodEvent(QInputMethodEvent* e) {
    // The compose input method keeps the base letter's press from the field: the
    // commit stands in for that key-down, so that its pause is timed.
    if (!e->commitString().isEmpty()) {
        int key = 0;
        FHost.EditKeyDown(key);
    }
    PressCharacters(e->commitString());
    e->accept();
}

void TTypingEdit::PressCharacters(const QString& text) {
    for (QChar ch : text) {
        unsigned char key = AnsiChar(ch);
        // A character that Windows-1252 cannot hold matches nothing.
        if (key == 0 && ch.unicode() != 0) key = kUnknownChar;
        if (key != 0) FHost.EditKeyPress(key);
    }
}

void TTypingEdit::mouseReleaseEvent(QMouseEvent* e) {
    // No middle-button paste of the X selection.
    if (e->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(e);
}

void TTypingEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
}

}  // namespace teclarium
