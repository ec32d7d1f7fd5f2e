// A plain drawing surface that keeps no image: each drawing call paints the line drawn since the
// last clear straight away; a repaint that the window system asks for later shows only the
// background, until the next clear and drawing put the line back.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

namespace zurvane {

class CanvasWidget : public QWidget {
public:
    CanvasWidget(QWidget* parent, const QFont& font);

    void clear();
    // Draws text with its character cell's top-left corner at (x, y), transparent background;
    // returns the text's width in the canvas font.
    int draw(int x, int y, const QColor& colour, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Piece {
        int x, y;
        QColor colour;
        QString text;
    };
    void paint_now();

    std::vector<Piece> pieces_;  // only for the paint that a drawing call makes
    bool drawing_ = false;
};

}  // namespace zurvane
