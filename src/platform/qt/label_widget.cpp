#include "platform/qt/label_widget.h"

#include <QFontInfo>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

namespace zurvane {

LabelWidget::LabelWidget(QWidget* parent, LabelText layout) : QWidget(parent), layout_(layout) {}

void LabelWidget::set_text(const QString& text) {
    text_ = text;
    update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (layout_ == LabelText::single_line) {
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
        return;
    }
    // A font's line height in Qt includes more than GDI's cell height; step by the character
    // height, as the fixed layouts expect.
    const int step = QFontInfo(font()).pixelSize();
    QTextOption option(layout_ == LabelText::wrapped_centred ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int y = 0;
    for (const QString& paragraph : text_.split(QLatin1Char('\n'))) {
        QTextLayout lines(paragraph, font());
        lines.setTextOption(option);
        lines.beginLayout();
        int top = 0;
        for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, top));
            top += step;
        }
        lines.endLayout();
        lines.draw(&painter, QPointF(0, y));
        y += top;
        if (y >= height()) break;
    }
}

}  // namespace zurvane
