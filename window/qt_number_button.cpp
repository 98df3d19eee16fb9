#include "window/qt_number_button.h"

#include <QPainter>
#include <QPen>
#include <qdrawutil.h>

NumberButton::NumberButton(const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent), face(face)
{
}

void NumberButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool pressed = isDown() || isChecked();
    const QBrush faceBrush(face);
    qDrawWinButton(&painter, rect(), palette(), pressed, &faceBrush);

    // A pressed face shows its caption one pixel down and to the right, as the edge sinks.
    const int shift = pressed ? 1 : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());

    // The focused button always shows a dotted rectangle inside its edge: the board is used from
    // the keyboard as much as with the mouse, and the focus starts on a button.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
