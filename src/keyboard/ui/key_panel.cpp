// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/ui/key_panel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "util/codec.h"

namespace teclarium {
namespace {

// Screen readers see a key face as a button, named by its owner after the key; its
// press action does what a click does.
class TKeyPanelAccessible final : public QAccessibleWidget {
  public:
    explicit TKeyPanelAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            emit static_cast<TKeyPanel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* KeyPanelAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(TKeyPanel::staticMetaObject.className())) return nullptr;
    return new TKeyPanelAccessible(static_cast<QWidget*>(object));
}

}  // namespace

TKeyPanel::TKeyPanel(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(KeyPanelAccessible), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKeyPanel::SetLit(bool lit) {
    if (lit == FLit) return;
    FLit = lit;
    update();
}

QColor TKeyPanel::Colour() const {
    if (FLit) return FLamp;
    return FFace.isValid() ? FFace : palette().color(QPalette::Button);
}

void TKeyPanel::SetColours(const QColor& lamp, const QColor& face) {
    if (lamp == FLamp && face == FFace) return;
    FLamp = lamp;
    FFace = face;
    update();
}

void TKeyPanel::SetCaption(const QString& caption) {
    FCharacter = -1;
    if (caption == FCaption) return;
    FCaption = caption;
    update();
}

void TKeyPanel::SetCharacter(unsigned char ch) {
    if (ch == FCharacter) return;
    FCharacter = ch;
    FCaption = ch == 0 ? QString() : FromAnsiChar(ch);
    update();
}

void TKeyPanel::SetEmphasis(bool on) {
    if (on == FEmphasis) return;
    FEmphasis = on;
    QFont f = font();
    f.setBold(on);
    setFont(f);
    update();
}

QColor TKeyPanel::CaptionColour() const {
    if (FEmphasis) return QColor(255, 0, 0);
    // A face of a set colour is light: dark captions on it, whatever the style.
    return FFace.isValid() ? QColor(Qt::black) : palette().color(QPalette::WindowText);
}

void TKeyPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    const QColor colour = Colour();
    painter.fillRect(r, colour);
    // A raised bevel, as a panel key face: its edges as filled rows and columns, the
    // pixels of one-pixel lines for a fraction of a line's cost on every key.
    const QColor light = colour.lighter(150), dark = colour.darker(160);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
    if (FCaption.isEmpty()) return;
    painter.setPen(CaptionColour());
    painter.setFont(font());
    painter.drawText(r, Qt::AlignCenter, FCaption);
}

void TKeyPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
}

}  // namespace teclarium
