#pragma once

#include "board/number_table.h"

#include <array>
#include <cstddef>
#include <string_view>

// The whole main window as data: every control with its rectangle in twips, colours, font, text
// and keyboard order. Each toolkit's front end builds its widgets from this and from nothing else.
namespace form {

inline constexpr int twipsPerInch = 1440;

struct Rect {
    int left;
    int top;
    int width;
    int height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

enum class SystemColour { None, ButtonFace, ButtonText };

struct Colour {
    SystemColour system = SystemColour::None;
    board::Rgb rgb{};
};

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return {SystemColour::None, {red, green, blue}};
}
inline constexpr Colour buttonFace{SystemColour::ButtonFace, {}};
inline constexpr Colour buttonText{SystemColour::ButtonText, {}};

// The family a face belongs to, so that a front end that lacks the face picks a like one.
enum class FontFamily { Roman, Swiss };

inline constexpr int cyrillicCharset = 204;

struct Font {
    std::u16string_view face;
    int hundredthsOfPoint;
    bool bold;
    bool italic;
    int charset;
    FontFamily family;
};

enum class ControlKind { TextBox, Frame, CommandButton, Label };
enum class Alignment { Left, Centre };

inline constexpr int inForm = -1;

struct Control {
    ControlKind kind;
    std::u16string_view name;
    int container; // index of the containing control in Form::controls, or inForm
    Rect rect;     // in twips, in the container's client area
    Colour background;
    Colour foreground;
    Font font;
    std::u16string_view text;
    Alignment alignment;
    bool enabled;
    int tabIndex;
    int value; // the number a command button shows; -1 for the other controls
};

struct Window {
    std::u16string_view name;
    std::u16string_view title;
    int clientWidth; // twips
    int clientHeight;
    Colour background;
    bool controlBox;
    bool minButton;
    bool maxButton;
    bool sizable;
};

inline constexpr std::size_t controlCount = 3 + board::numberCount;

struct Form {
    Window window;
    std::array<Control, controlCount> controls;
};

namespace detail {

inline constexpr Font msSansSerif{u"MS Sans Serif", 825, false, false, cyrillicCharset, FontFamily::Swiss};
inline constexpr Font timesNewRoman{u"Times New Roman", 1800, true, false, cyrillicCharset, FontFamily::Roman};
inline constexpr Font arialUnicode{u"@Arial Unicode MS", 1425, true, true, cyrillicCharset, FontFamily::Swiss};

inline constexpr int frameIndex = 1;
inline constexpr int buttonSize = 375;
inline constexpr int buttonPitch = 480;

constexpr Rect numberButtonRect(int value)
{
    if (value == 0)
        return {240, 480, 495, 1335};
    const int column = (value - 1) / 3;
    const int row = 2 - (value - 1) % 3;
    return {840 + buttonPitch * column, 480 + buttonPitch * row, buttonSize, buttonSize};
}

constexpr Control numberButton(const board::NumberEntry &entry)
{
    return {ControlKind::CommandButton,
            entry.controlName.view(),
            frameIndex,
            numberButtonRect(entry.value),
            Colour{SystemColour::None, board::colourOf(entry.colourClass)},
            buttonText,
            msSansSerif,
            entry.caption.view(),
            Alignment::Centre,
            true,
            entry.value + 2,
            entry.value};
}

constexpr Form makeForm1()
{
    Form form{
        {u"Form1", u"KORVEX-DUVIDU RIVOVIV", 6855, 3720, buttonFace, true, false, false, false},
        {},
    };
    form.controls[0] = {ControlKind::TextBox, u"Text1", inForm, {0, 120, 6855, 615},
                        rgb(192, 255, 255), rgb(255, 0, 0), timesNewRoman, u"",
                        Alignment::Centre, false, 0, -1};
    form.controls[frameIndex] = {ControlKind::Frame, u"Frame1", inForm, {0, 720, 6855, 2295},
                                 buttonFace, buttonText, msSansSerif, u"",
                                 Alignment::Left, true, 1, -1};
    for (const board::NumberEntry &entry : board::numberTable)
        form.controls[2 + static_cast<std::size_t>(entry.value)] = numberButton(entry);
    form.controls[controlCount - 1] = {ControlKind::Label, u"Label1", inForm, {0, 3120, 6975, 495},
                                       buttonFace, rgb(0, 0, 255), arialUnicode,
                                       u"        ЗОЛОТЫЕ ЧИСЛА: 0,9,10,17,22,34",
                                       Alignment::Left, true, 39, -1};
    return form;
}

} // namespace detail

// Listed in keyboard order: the display, the frame, Command1 to Command37, the bottom line.
inline constexpr Form Form1 = detail::makeForm1();

inline constexpr const Control &display = Form1.controls[0];

constexpr const Control &numberButton(int value)
{
    return Form1.controls[2 + static_cast<std::size_t>(value)];
}

} // namespace form
