// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The typing area's fonts and places, which follow the typing font size.
#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "drill/ui/typing_edit.h"
#include "keyboard/keyboard_geometry.h"
#include "shell/typewriting_window.h"
#include "util/ui/widget_font.h"

namespace teclarium {
namespace {

constexpr int kLongestWord = 10;  // the sources never give longer words

int LineHeight(const QWidget* w) {
    return QFontMetrics(w->font()).height();
}

}  // namespace

void TFTypewriting::LayoutTypingArea() {
    const bool optionsShown = !P_TopTop->isHidden();
    const std::uint8_t es = FEditFontSize;
    if (L_ToWrite->font().pointSize() != es) {
        for (QLabel* label : {L_ToWrite, L_ToNextWrite, L_IncorrectKey}) SetPointSize(label, es);
        // The typing field takes the words' font here, sized, and not before: a field
        // loads its font as soon as it gets it.
        Edit->setFont(L_ToWrite->font());
        SetPointSize(L_Count, CountFontSize(es));
        SetPointSize(L_ErrorsCount, CountFontSize(es));
        L_TypeEsc->adjustSize();

        TTypingAreaMeasures m;
        m.Es = es;
        m.ToWriteHeight = LineHeight(L_ToWrite);
        m.CountHeight = LineHeight(L_Count);
        m.EditHeight = Edit->sizeHint().height();
        m.IncorrectKeyHeight = LineHeight(L_IncorrectKey);
        m.TypeEscWidth = L_TypeEsc->width();
        m.TypeEscHeight = L_TypeEsc->height();
        m.PlayHeight = BB_Play->height();
        m.EditLeft = Edit->x();
        // Room for the longest word, so that the Escape hint never covers the wrong key.
        m.ToNextWriteWidth =
            QFontMetrics(L_ToNextWrite->font()).horizontalAdvance(QString(kLongestWord, 'W'));
        m.MinPanelWidth = FMinPanelWidth;
        const TTypingAreaLayout t = TypingAreaGeometry(m);

        L_ToWrite->setGeometry(L_ToWrite->x(), t.ToWriteTop, L_ToWrite->sizeHint().width(), m.ToWriteHeight);
        L_ToNextWrite->setGeometry(t.ToNextWriteLeft, t.ToWriteTop, m.ToNextWriteWidth, m.ToWriteHeight);
        L_Count->setGeometry(L_Count->x(), t.CountTop, L_Count->sizeHint().width(), m.CountHeight);
        L_ErrorsCount->setGeometry(L_ErrorsCount->x(), t.CountTop, L_ErrorsCount->sizeHint().width(),
                                   m.CountHeight);
        Edit->setGeometry(m.EditLeft, t.EditTop, t.EditWidth, m.EditHeight);
        // Room for the widest key, and never less than the label asks for itself (a bold
        // face made from a regular one, on a machine with few fonts, measures wider).
        const int keyWidth = std::max(QFontMetrics(L_IncorrectKey->font()).horizontalAdvance(QChar('W')),
                                      L_IncorrectKey->minimumSizeHint().width());
        L_IncorrectKey->setGeometry(t.ToNextWriteLeft, t.IncorrectKeyTop, keyWidth, m.IncorrectKeyHeight);
        L_TypeEsc->move(t.TypeEscLeft, t.TypeEscTop);
        BB_Play->move(BB_Play->x(), t.PlayTop);
        BB_Hide->move(BB_Hide->x(), t.PlayTop);
        Panel1->resize(t.PanelWidth, Panel1->height());
    }
    const int height = TypingPanelHeight(BB_Play->y(), optionsShown, P_TopTop->height());
    Panel1->resize(Panel1->width(), height);
    P_TopTop->resize(Panel1->width(), P_TopTop->height());
    const int bottomTop = optionsShown ? P_TopTop->height() : 0;
    P_TopBottom->setGeometry(0, bottomTop, Panel1->width(), height - bottomTop);
    ArrangeWindow();
}

void TFTypewriting::SE_EditFontSizeChange() {
    const int value = SE_EditFontSize->value();
    if (value < 12) return;
    FEditFontSize = static_cast<std::uint8_t>(value);
    LayoutTypingArea();
    MeasureCharWidth();
}

}  // namespace teclarium
