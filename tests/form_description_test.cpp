#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "window/form_description.h"

#include <set>
#include <string>

using form::ControlKind;

namespace {

std::string narrow(std::u16string_view text)
{
    std::string result;
    for (char16_t c : text)
        result += c < 0x80 ? static_cast<char>(c) : '?';
    return result;
}

struct PixelRect {
    int left, top, width, height;
    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// At 96 dots per inch every rectangle of the form falls on whole pixels.
PixelRect at96Dpi(const form::Rect &twips)
{
    const auto pixels = [](int t) {
        REQUIRE(t % 15 == 0);
        return t / 15;
    };
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

const form::Control &named(std::string_view name)
{
    for (const form::Control &control : form::Form1.controls)
        if (narrow(control.name) == name)
            return control;
    FAIL("no control named " << name);
    throw;
}

} // namespace

TEST_CASE("the window")
{
    const form::Window &window = form::Form1.window;
    CHECK(narrow(window.name) == "Form1");
    CHECK(narrow(window.title) == "KORVEX-DUVIDU RIVOVIV");
    CHECK(at96Dpi({0, 0, window.clientWidth, window.clientHeight}) == PixelRect{0, 0, 457, 248});
    CHECK(window.background.system == form::SystemColour::ButtonFace);
    CHECK(window.controlBox);
    CHECK_FALSE(window.minButton);
    CHECK_FALSE(window.maxButton);
    CHECK_FALSE(window.sizable);
}

TEST_CASE("every control's rectangle in pixels at 96 dpi")
{
    struct Case {
        std::string_view name;
        PixelRect pixels;
    };
    const Case cases[] = {
        {"Text1", {0, 8, 457, 41}},     {"Frame1", {0, 48, 457, 153}},
        {"Command1", {16, 32, 33, 89}}, {"Label1", {0, 208, 465, 33}},
        {"Command2", {56, 96, 25, 25}}, {"Command4", {56, 32, 25, 25}},
        {"Command35", {408, 96, 25, 25}}, {"Command37", {408, 32, 25, 25}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name);
        CHECK(at96Dpi(named(c.name).rect) == c.pixels);
    }
    for (int value = 1; value <= 36; ++value) {
        CAPTURE(value);
        const int column = (value - 1) / 3;
        const int row = 2 - (value - 1) % 3;
        CHECK(at96Dpi(form::numberButton(value).rect) ==
              PixelRect{56 + 32 * column, 32 + 32 * row, 25, 25});
    }
}

TEST_CASE("the number buttons stand 105 twips apart in a grid of twelve by three")
{
    for (int value = 1; value <= 36; ++value) {
        CAPTURE(value);
        const form::Rect &button = form::numberButton(value).rect;
        if (value + 3 <= 36)
            CHECK(form::numberButton(value + 3).rect.left - button.right() == 105);
        if ((value - 1) % 3 != 2)
            CHECK(button.top - form::numberButton(value + 1).rect.bottom() == 105);
    }
    const form::Rect &zero = form::numberButton(0).rect;
    CHECK(zero.top == form::numberButton(3).rect.top);
    CHECK(zero.bottom() == form::numberButton(1).rect.bottom());
    CHECK(form::numberButton(1).rect.left - zero.right() == 105);
}

TEST_CASE("nothing reaches past its container but the bottom line's overhang")
{
    const form::Window &window = form::Form1.window;
    for (const form::Control &control : form::Form1.controls) {
        CAPTURE(narrow(control.name));
        const bool inFrame = control.container != form::inForm;
        const int width = inFrame ? named("Frame1").rect.width : window.clientWidth;
        const int height = inFrame ? named("Frame1").rect.height : window.clientHeight;
        CHECK(control.rect.left >= 0);
        CHECK(control.rect.top >= 0);
        CHECK(control.rect.bottom() <= height);
        if (narrow(control.name) == "Label1")
            CHECK(control.rect.right() - width == 120);
        else
            CHECK(control.rect.right() <= width);
    }
}

TEST_CASE("kinds, names, containers and keyboard order")
{
    std::set<std::string> names;
    for (std::size_t i = 0; i < form::controlCount; ++i) {
        const form::Control &control = form::Form1.controls[i];
        CAPTURE(narrow(control.name));
        names.insert(narrow(control.name));
        CHECK(control.tabIndex == static_cast<int>(i));
        CHECK(control.enabled == (control.kind != ControlKind::TextBox));
    }
    CHECK(names.size() == form::controlCount);
    CHECK(named("Text1").kind == ControlKind::TextBox);
    CHECK(named("Frame1").kind == ControlKind::Frame);
    CHECK(named("Label1").kind == ControlKind::Label);
    CHECK(named("Label1").tabIndex == 39);
    for (int value = 0; value <= 36; ++value) {
        const form::Control &button = named("Command" + std::to_string(value + 1));
        CAPTURE(value);
        CHECK(&button == &form::numberButton(value));
        CHECK(button.kind == ControlKind::CommandButton);
        CHECK(button.value == value);
        CHECK(narrow(button.text) == std::to_string(value));
        CHECK(button.tabIndex == value + 2);
        CHECK(narrow(form::Form1.controls[static_cast<std::size_t>(button.container)].name) == "Frame1");
    }
}

TEST_CASE("colours, fonts and texts")
{
    const form::Control &display = named("Text1");
    CHECK(display.background.rgb == board::Rgb{192, 255, 255});
    CHECK(display.foreground.rgb == board::Rgb{255, 0, 0});
    CHECK(display.text.empty());
    CHECK(display.alignment == form::Alignment::Centre);
    CHECK(narrow(display.font.face) == "Times New Roman");
    CHECK(display.font.hundredthsOfPoint == 1800);
    CHECK(display.font.bold);
    CHECK(display.font.family == form::FontFamily::Roman);

    const form::Control &label = named("Label1");
    CHECK(label.text == std::u16string_view(u"        ЗОЛОТЫЕ ЧИСЛА: 0,9,10,17,22,34"));
    CHECK(label.foreground.rgb == board::Rgb{0, 0, 255});
    CHECK(label.background.system == form::SystemColour::ButtonFace);
    CHECK(label.alignment == form::Alignment::Left);
    CHECK(narrow(label.font.face) == "@Arial Unicode MS");
    CHECK(label.font.hundredthsOfPoint == 1425);
    CHECK((label.font.bold && label.font.italic));

    CHECK(named("Frame1").text.empty());
    CHECK(named("Frame1").background.system == form::SystemColour::ButtonFace);

    for (const form::Control &control : form::Form1.controls) {
        CAPTURE(narrow(control.name));
        CHECK(control.font.charset == form::cyrillicCharset);
        if (control.kind != ControlKind::CommandButton)
            continue;
        CHECK(control.background.rgb == board::colourOf(board::lookUp(control.value).colourClass));
        CHECK(control.foreground.system == form::SystemColour::ButtonText);
        CHECK(narrow(control.font.face) == "MS Sans Serif");
        CHECK(control.font.hundredthsOfPoint == 825);
        CHECK_FALSE((control.font.bold || control.font.italic));
    }
}
