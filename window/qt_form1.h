#pragma once

#include <QWidget>

class QLineEdit;

namespace form {
struct Control;
}

// The main window, built from the form description.
class Form1 : public QWidget {
public:
    Form1();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *makeControl(const form::Control &control, QWidget *container);
    QWidget *makeNumberButton(const form::Control &control, QWidget *container);
    void fixBorder();
    void onLoad();
    void onNumberClick(int value);
    void onWindowStateChange();

    QLineEdit *Text1 = nullptr;
};
