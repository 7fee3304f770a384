// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The typing field. Its text changes only through the drill's judged keys: every
// key and every input-method commit goes to its host's handlers; paste, cut,
// undo, drag-and-drop and the context menu are off.
#pragma once

#include <QLineEdit>

#include "drill/ui/typing_host.h"

namespace teclarium {

class TTypingEdit : public QLineEdit {
    Q_OBJECT

  public:
    TTypingEdit(TTypingHost& host, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void PressCharacters(const QString& text);
    TTypingHost& FHost;
};

}  // namespace teclarium
