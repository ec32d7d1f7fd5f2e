// A label drawn as the classic static text is: black text on the window's background, lines
// stepping by the font's character height (so that a label sized for that font holds its lines),
// long lines wrapped at word breaks or between CJK characters.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/window/window_definition.h"

namespace zurvane {

class LabelWidget : public QWidget {
public:
    LabelWidget(QWidget* parent, LabelText layout);

    QString text() const { return text_; }
    void set_text(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LabelText layout_;
    QString text_;
};

}  // namespace zurvane
