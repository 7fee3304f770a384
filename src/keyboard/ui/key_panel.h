// One key face of the on-screen keyboard: a filled rectangle with a centred caption.
// Changing the colour or caption repaints only this key, and only on a change.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace teclarium {

class TKeyPanel : public QWidget {
    Q_OBJECT

  public:
    explicit TKeyPanel(QWidget* parent);

    void SetColour(const QColor& colour);
    const QColor& Colour() const { return FColour; }
    void SetCaption(const QString& caption);
    const QString& Caption() const { return FCaption; }
    void SetCaptionColour(const QColor& colour);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QColor FColour;
    QColor FCaptionColour;
    QString FCaption;
};

}  // namespace teclarium
