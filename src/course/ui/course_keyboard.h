// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course's on-screen keyboard: each key of a learned character coloured by how
// close it is to the target (the progress window's scale, green at the target), a
// learned key without a timed press yet neutral, the focus key outlined, the keys of
// the next step marked (and the dead key of an accented one), the others dimmed;
// each key named for a screen reader. A click on a learned key, or its character
// typed while the keyboard has the focus, chooses it as the lessons' focus.
#pragma once

#include <QWidget>

#include "course/course.h"
#include "keyboard/key_chars.h"

class QFrame;

namespace teclarium {

class TKeyPanel;

// The colours of the keys' states, switched by the colour-blind palette.
struct TCourseColours {
    QColor Locked;
    QColor Untimed;
    QColor Next;
    QColor Outline;
};
const TCourseColours& CourseColours(bool colourBlind);

class TCourseKeyboard : public QWidget {
    Q_OBJECT

  public:
    TCourseKeyboard(const TKeyCharsList& keys, QWidget* parent);
    void Show(const TCourse& course, bool colourBlind);

    // The panel of a key code (P_K<code>), or null.
    TKeyPanel* Panel(int keyCode) const;
    QFrame* P_FocusOutline = nullptr;
    QFrame* P_DeadKeyOutline = nullptr;  // the dead key of an accented focus

  signals:
    // A learned character was chosen as the focus.
    void FocusChosen(unsigned char ch);

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Outline(QFrame* frame, const TKeyPanel* panel);

    TKeyCharsList FKeys;
    std::vector<TKeyPanel*> FPanels;  // in FKeys order
    std::array<bool, 256> FLearned{};
};

}  // namespace teclarium
