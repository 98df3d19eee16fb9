#include "window/qt_number_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        focus.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
