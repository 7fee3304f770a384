// A learner's keys per minute over time, drawn as a small line chart inside the
// printed report: an object of the report's text document, drawn with the painter
// of the page (a vector drawing in a PDF, not an image).
#pragma once

#include <QObject>
#include <QTextObjectInterface>
#include <vector>

#include "progress/history_file.h"

class QTextCursor;

namespace teclarium {

class TSpeedChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    explicit TSpeedChartObject(QObject* parent) : QObject(parent) {}

    // Registers the chart's object type with the document's layout, the handler
    // owned by the document.
    static void Register(QTextDocument& document);
    // Inserts the chart of these days (in date order) at the cursor.
    static void Insert(QTextCursor& cursor, const std::vector<TDayProgress>& days);

    QSizeF intrinsicSize(QTextDocument* document, int positionInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int positionInDocument,
                    const QTextFormat& format) override;
};

}  // namespace teclarium
