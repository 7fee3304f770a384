// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/ui/heat_keyboard.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "keyboard/colour_palette.h"
#include "keyboard/key_names.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/ui/key_panel.h"
#include "progress/progress_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr std::uint8_t kHeatFontSize = 10;

QString Percent(double rate) {
    return QLocale(QLocale::Catalan).toString(rate, 'f', 1);
}

// A horizontal bar of the scale's colours, with its ends written below it.
class TColourScale : public QWidget {
  public:
    TColourScale(const THeatKeyboard& map, QWidget* parent) : QWidget(parent), FMap(map) {
        setObjectName(QStringLiteral("P_HeatScale"));
        setMinimumSize(200, fontMetrics().height() + 16);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect bar(0, 0, width(), 12);
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        for (int i = 0; i <= 10; ++i)
            gradient.setColorAt(i / 10.0, FMap.HeatColour(FMap.ScaleMaximum() * i / 10.0));
        painter.fillRect(bar, gradient);
        const QRect text(0, bar.bottom() + 2, width(), height() - bar.height() - 2);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0 %"));
        const QString top = Percent(FMap.ScaleMaximum()) + QStringLiteral(" %");
        painter.drawText(text, Qt::AlignRight | Qt::AlignTop,
                         FMap.FixedScale() ? FromUtf8(kHeatScaleAtLeast).arg(top) : top);
    }

  private:
    const THeatKeyboard& FMap;
};

}  // namespace

THeatKeyboard::THeatKeyboard(const std::array<TKeyHeat, kCharKeyCount + 1>& heat, const TKeyCharsList& keys,
                             bool colourBlind, QWidget* parent, double fixedMaximum)
    : QWidget(parent), FMaximum(fixedMaximum), FFixed(fixedMaximum > 0), FColourBlind(colourBlind) {
    setObjectName(QStringLiteral("P_HeatMap"));
    if (!FFixed) {
        FMaximum = 1.0;
        for (int number = 1; number <= kCharKeyCount; ++number)
            FMaximum = std::max(FMaximum, heat[number].Rate());
    }

    const TKeyboardGeometry g = KeyboardGeometry(kHeatFontSize, false);
    auto* keyboard = new QWidget(this);
    keyboard->setFixedSize(g.Width, g.Height);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSize(g.KeyFontSize);
    for (const TKeyChars& key : keys) {
        auto* panel = new TKeyPanel(keyboard);
        panel->setObjectName(QStringLiteral("P_K%1").arg(key.KeyCode));
        panel->setFont(font);
        const TBox& box = g.Keys[key.KeyNumber];
        panel->setGeometry(box.Left, box.Top, box.Width, box.Height);
        panel->SetCharacter(key.Plain);
        const TKeyHeat& h = heat[key.KeyNumber];
        if (h.Right + h.Wrong == 0) {
            panel->setToolTip(FromUtf8(kHeatKeyNoData).arg(KeyCharsName(key)));
            panel->setAccessibleName(panel->toolTip());
            continue;
        }
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Button, HeatColour(h.Rate()));
        panel->setPalette(palette);
        panel->setToolTip(FromUtf8(kHeatKeyTip)
                              .arg(KeyCharsName(key), Percent(h.Rate()), QString::number(h.Wrong),
                                   QString::number(h.Right + h.Wrong)));
        panel->setAccessibleName(panel->toolTip());
    }
    auto* space = new TKeyPanel(keyboard);
    space->setAccessibleName(QString::fromLatin1(kSpaceBarName));
    space->setGeometry(g.SpaceBar.Left, g.SpaceBar.Top, g.SpaceBar.Width, g.SpaceBar.Height);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(FromUtf8(kHeatTitle), this));
    layout->addWidget(keyboard);
    auto* scale = new TColourScale(*this, this);
    scale->setFixedWidth(g.Width);
    layout->addWidget(scale);
}

QColor ScaleColour(double fraction, bool colourBlind) {
    const TRgb c = HeatColour(fraction, colourBlind);
    return QColor(c.R, c.G, c.B);
}

QColor THeatKeyboard::HeatColour(double rate) const {
    return ScaleColour(rate / FMaximum, FColourBlind);
}

}  // namespace teclarium
