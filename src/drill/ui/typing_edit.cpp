// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/ui/typing_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include "drill/drill.h"
#include "keyboard/ui/app_message_hook.h"
#include "platform/ui/virtual_keys.h"
#include "util/codec.h"

namespace teclarium {
namespace {

// The application's style, but the field's panel (its base and frame) drawn from a
// picture made once per size, state and palette: every key changes the text, and Qt
// repaints the whole field, whose antialiased frame costs more than the rest of the key.
class TPanelPictureStyle final : public QProxyStyle {
  public:
    explicit TPanelPictureStyle(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* panel = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_PanelLineEdit || !panel) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const qreal ratio = painter->device()->devicePixelRatio();
        const TShape shape{panel->rect.size(),  panel->state,    panel->palette.cacheKey(), panel->lineWidth,
                           panel->midLineWidth, panel->features, panel->direction,          ratio};
        if (FPicture.isNull() || !(shape == FShape)) {
            QPixmap picture(panel->rect.size() * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::transparent);
            QStyleOptionFrame atOrigin(*panel);
            atOrigin.rect.moveTo(0, 0);
            QPainter p(&picture);
            QProxyStyle::drawPrimitive(element, &atOrigin, &p, widget);
            p.end();
            FPicture = picture;
            FShape = shape;
        }
        painter->drawPixmap(panel->rect.topLeft(), FPicture);
    }

  private:
    struct TShape {
        QSize Size;
        QStyle::State State;
        qint64 Palette = 0;
        int LineWidth = 0, MidLineWidth = 0;
        QStyleOptionFrame::FrameFeatures Features;
        Qt::LayoutDirection Direction = Qt::LeftToRight;
        qreal Ratio = 1;
        bool operator==(const TShape&) const = default;
    };
    mutable QPixmap FPicture;
    mutable TShape FShape;
};

// One for the program's typing fields, made from the application's style by name (none
// when that style has no name to make it by: the field keeps the application's).
QStyle* TypingFieldStyle() {
    static QPointer<QStyle> shared;
    if (!shared) {
        if (QStyle* base = QStyleFactory::create(QApplication::style()->name())) {
            shared = new TPanelPictureStyle(base);
            shared->setParent(qApp);
        }
    }
    return shared;
}

}  // namespace

TTypingEdit::TTypingEdit(TTypingHost& host, QWidget* parent) : QLineEdit(parent), FHost(host) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    if (QStyle* style = TypingFieldStyle()) setStyle(style);
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
