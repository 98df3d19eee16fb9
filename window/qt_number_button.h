#pragma once

#include <QColor>
#include <QPushButton>

// A push button whose whole face is one exact colour inside the classic push-button edge,
// whatever the desktop's style would paint.
class NumberButton : public QPushButton {
public:
    NumberButton(const QString &caption, const QColor &face, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face;
};
