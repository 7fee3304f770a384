#include "keyboard/ui/key_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace teclarium {

TKeyPanel::TKeyPanel(QWidget* parent)
    : QWidget(parent),
      FColour(palette().color(QPalette::Button)),
      FCaptionColour(palette().color(QPalette::WindowText)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKeyPanel::SetColour(const QColor& colour) {
    if (colour == FColour) return;
    FColour = colour;
    update();
}

void TKeyPanel::SetCaption(const QString& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    update();
}

void TKeyPanel::SetCaptionColour(const QColor& colour) {
    if (colour == FCaptionColour) return;
    FCaptionColour = colour;
    update();
}

void TKeyPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, FColour);
    // A raised bevel, as a panel key face.
    painter.setPen(FColour.lighter(150));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(FColour.darker(160));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (FCaption.isEmpty()) return;
    painter.setPen(FCaptionColour);
    painter.setFont(font());
    painter.drawText(r, Qt::AlignCenter, FCaption);
}

void TKeyPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
}

}  // namespace teclarium
