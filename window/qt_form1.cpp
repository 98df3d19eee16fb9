#include "window/qt_form1.h"

#include "board/number_table.h"
#include "placement/module1.h"
#include "placement/x11_connection.h"
#include "window/form_description.h"
#include "window/qt_fonts.h"
#include "window/qt_number_button.h"
#include "window/qt_x11_frame.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace {

// Twips to Qt's logical pixels, which stand at 96 to the inch; Qt scales them for the screen.
int logicalPixels(int twips)
{
    constexpr int logicalDpi = 96;
    return (twips * logicalDpi + form::twipsPerInch / 2) / form::twipsPerInch;
}

QRect qtRect(const form::Rect &rect)
{
    return {logicalPixels(rect.left), logicalPixels(rect.top), logicalPixels(rect.width),
            logicalPixels(rect.height)};
}

QString qtText(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qtColour(const form::Colour &colour, const QPalette &palette)
{
    switch (colour.system) {
    case form::SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case form::SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
    case form::SystemColour::None: break;
    }
    return {colour.rgb.red, colour.rgb.green, colour.rgb.blue};
}

// The same colours whether the widget is active, inactive or disabled: a disabled display must
// not look greyed.
void setColours(QWidget *widget, QPalette::ColorRole background, QPalette::ColorRole foreground,
                const form::Control &control)
{
    QPalette palette = widget->palette();
    palette.setColor(background, qtColour(control.background, palette));
    palette.setColor(foreground, qtColour(control.foreground, palette));
    widget->setPalette(palette);
}

QWidget *makeTextBox(const form::Control &control, QWidget *container)
{
    auto *textBox = new QLineEdit(qtText(control.text), container);
    textBox->setFrame(false);
    textBox->setAlignment(control.alignment == form::Alignment::Centre ? Qt::AlignCenter
                                                                       : Qt::AlignLeft);
    textBox->setContextMenuPolicy(Qt::NoContextMenu);
    textBox->setFocusPolicy(Qt::NoFocus);
    textBox->setAcceptDrops(false);
    setColours(textBox, QPalette::Base, QPalette::Text, control);
    return textBox;
}

QWidget *makeFrame(const form::Control &control, QWidget *container)
{
    return new QGroupBox(qtText(control.text), container);
}

QWidget *makeLabel(const form::Control &control, QWidget *container)
{
    auto *label = new QLabel(qtText(control.text), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setColours(label, QPalette::Window, QPalette::WindowText, control);
    return label;
}

// The X server connection when the window is an X11 window.
xcb_connection_t *xcbConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

} // namespace

Form1::Form1()
{
    const form::Window &window = form::Form1.window;
    setObjectName(qtText(window.name));
    setWindowTitle(qtText(window.title));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(logicalPixels(window.clientWidth), logicalPixels(window.clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, qtColour(window.background, background));
    setPalette(background);

    std::array<QWidget *, form::controlCount> made{};
    for (std::size_t i = 0; i < form::controlCount; ++i) {
        const form::Control &control = form::Form1.controls[i];
        QWidget *container =
            control.container == form::inForm ? this : made[static_cast<std::size_t>(control.container)];
        made[i] = makeControl(control, container);
    }
    // The controls are listed in keyboard order; Qt's focus chain wraps from the last to the first.
    for (std::size_t i = 1; i < form::controlCount; ++i)
        setTabOrder(made[i - 1], made[i]);
    Text1 = static_cast<QLineEdit *>(made[0]);
    made[2]->setFocus();

    winId(); // the native window, unmapped until the first show
    fixBorder();
    onLoad();
}

QWidget *Form1::makeControl(const form::Control &control, QWidget *container)
{
    QWidget *widget = nullptr;
    switch (control.kind) {
    case form::ControlKind::TextBox: widget = makeTextBox(control, container); break;
    case form::ControlKind::Frame: widget = makeFrame(control, container); break;
    case form::ControlKind::CommandButton: widget = makeNumberButton(control, container); break;
    case form::ControlKind::Label: widget = makeLabel(control, container); break;
    }
    widget->setObjectName(qtText(control.name));
    widget->setGeometry(qtRect(control.rect));
    widget->setFont(qtFont(control.font));
    widget->setEnabled(control.enabled);
    return widget;
}

QWidget *Form1::makeNumberButton(const form::Control &control, QWidget *container)
{
    auto *button = new NumberButton(qtText(control.text), qtColour(control.background, palette()),
                                    container);
    // Enter as well as Space presses the focused button, as on Windows.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, value = control.value] { onNumberClick(value); });
    return button;
}

// Qt's hints allow resizing as soon as a window has a title; this window's border is fixed.
void Form1::fixBorder()
{
    if (xcb_connection_t *connection = xcbConnection())
        setFixedFrameHints(connection, static_cast<std::uint32_t>(winId()));
}

// The window's load step: the native window exists, and it is not shown yet.
void Form1::onLoad()
{
    xcb_connection_t *connection = xcbConnection();
    if (!connection)
        return; // only an X11 window has a placement to switch
    placement::useX11Connection(connection);
    auto handle = static_cast<std::int32_t>(winId());
    std::int16_t on = -1;
    Module1::SetTopMost(handle, on);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        onWindowStateChange();
    QWidget::changeEvent(event);
}

// Some window managers offer to minimize, maximize or fill the screen with any window, whatever
// the window asks for; this one always returns to its own size, above the others.
void Form1::onWindowStateChange()
{
    constexpr Qt::WindowStates notOwnSize =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & notOwnSize)
        setWindowState(windowState() & ~notOwnSize);
}

void Form1::onNumberClick(int value)
{
    Text1->setText(qtText(board::lookUp(value).text));
}
