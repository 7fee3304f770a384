// The course's on-screen keyboard: each key of a learned character coloured by how
// close it is to the target (the progress window's scale, green at the target),
// the focus key outlined, the keys of the next step marked, the others dimmed.
#pragma once

#include <QWidget>

#include "course/course.h"
#include "keyboard/key_chars.h"

class QFrame;

namespace teclarium {

class TKeyPanel;

class TCourseKeyboard : public QWidget {
    Q_OBJECT

  public:
    TCourseKeyboard(const TKeyCharsList& keys, QWidget* parent);
    void Show(const TCourse& course, bool colourBlind);

    // The panel of a key code (P_K<code>), or null.
    TKeyPanel* Panel(int keyCode) const;
    QFrame* P_FocusOutline = nullptr;

  private:
    TKeyCharsList FKeys;
    std::vector<TKeyPanel*> FPanels;  // in FKeys order
};

}  // namespace teclarium
