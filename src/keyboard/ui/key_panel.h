// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One key face of the on-screen keyboard: a filled rectangle with a centred caption.
// It repaints itself only when its caption, light or emphasis actually changes.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace teclarium {

class TKeyPanel : public QWidget {
    Q_OBJECT

  public:
    explicit TKeyPanel(QWidget* parent);

    // Lit: the lamp colour of the key to press (aqua unless set); else the face
    // colour, or the palette's button colour when none is set.
    void SetLit(bool lit);
    bool Lit() const { return FLit; }
    QColor Colour() const;
    void SetColours(const QColor& lamp, const QColor& face);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return FCaption; }
    // A one-character caption given as a Windows-1252 byte; 0 shows nothing.
    void SetCharacter(unsigned char ch);

    // Emphasis: the caption in red and bold (the Caps Lock key while it is on); else
    // black on a set face colour, the palette's text colour on the style's face.
    void SetEmphasis(bool on);
    bool Emphasis() const { return FEmphasis; }
    QColor CaptionColour() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QString FCaption;
    int FCharacter = -1;  // the byte FCaption was made from; -1 when set as text
    bool FLit = false;
    QColor FLamp{0, 255, 255};
    QColor FFace;  // invalid: the palette's button colour
    bool FEmphasis = false;
};

}  // namespace teclarium
