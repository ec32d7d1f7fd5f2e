#include "platform/qt/canvas_widget.h"

#include <QFontMetrics>
#include <QPainter>

namespace zurvane {

CanvasWidget::CanvasWidget(QWidget* parent, const QFont& font) : QWidget(parent) {
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::clear() {
    pieces_.clear();
    paint_now();
}

int CanvasWidget::draw(int x, int y, const QColor& colour, const QString& text) {
    if (text.isEmpty()) return 0;
    pieces_.push_back({x, y, colour, text});
    paint_now();
    return QFontMetrics(font()).horizontalAdvance(text);
}

void CanvasWidget::paint_now() {
    // Qt paints only inside paint events: make one now, synchronously, that shows the pieces.
    drawing_ = true;
    repaint();
    drawing_ = false;
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!drawing_) return;
    painter.setFont(font());
    const int ascent = QFontMetrics(font()).ascent();
    for (const Piece& piece : pieces_) {
        painter.setPen(piece.colour);
        painter.drawText(QPoint(piece.x, piece.y + ascent), piece.text);
    }
}

}  // namespace zurvane
