#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace board {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class ColourClass { Green, Orange, Grey };

constexpr Rgb colourOf(ColourClass colourClass)
{
    switch (colourClass) {
    case ColourClass::Green: return {0, 255, 0};
    case ColourClass::Orange: return {255, 128, 0};
    case ColourClass::Grey: return {128, 128, 128};
    }
    return {};
}

// A short UTF-16 text that lives inside a constant, for names and captions built at compile time.
struct ShortText {
    std::array<char16_t, 12> characters{};
    std::size_t length = 0;

    constexpr ShortText() = default;
    constexpr ShortText(std::u16string_view prefix, int number)
    {
        for (char16_t c : prefix)
            characters[length++] = c;
        char16_t digits[4]{};
        std::size_t count = 0;
        do {
            digits[count++] = static_cast<char16_t>(u'0' + number % 10);
            number /= 10;
        } while (number > 0);
        while (count > 0)
            characters[length++] = digits[--count];
    }
    constexpr std::u16string_view view() const { return {characters.data(), length}; }
};

struct NumberEntry {
    int value;
    ShortText controlName;
    ShortText caption;
    ColourClass colourClass;
    std::u16string_view text;
};

inline constexpr int numberCount = 37;

using NumberTable = std::array<NumberEntry, numberCount>;

namespace detail {

struct Row {
    ColourClass colourClass;
    std::u16string_view text;
};

using enum ColourClass;

// In value order, 0 to 36. The texts stand exactly as the board shows them: the line of 1 begins
// with a blank and the line of 34 begins with 0.
inline constexpr std::array<Row, numberCount> rows{{
    {Green, u"0-5-18-34"},
    {Orange, u" 1-21-30-12"},
    {Grey, u"2-14-3-30"},
    {Orange, u"3-23-9-25"},
    {Grey, u"4-1-12-36"},
    {Orange, u"5-32-27-18"},
    {Grey, u"6-18-15-5"},
    {Orange, u"7-36-1-19"},
    {Grey, u"8-3-17-14"},
    {Orange, u"9-34-5-0"},
    {Grey, u"10-0-6-9"},
    {Grey, u"11-12-2-1"},
    {Orange, u"12-30-14-21"},
    {Grey, u"13-7-4-16"},
    {Orange, u"14-25-23-3"},
    {Grey, u"15-16-7-27"},
    {Orange, u"16-19-36-7"},
    {Grey, u"17-9-0-23"},
    {Orange, u"18-27-16-32"},
    {Orange, u"19-33-28-13"},
    {Grey, u"20-2-8-35"},
    {Orange, u"21-20-35-11"},
    {Grey, u"22-6-24-0"},
    {Orange, u"23-26-34-31"},
    {Grey, u"24-15-13-29"},
    {Orange, u"25-31-26-8"},
    {Grey, u"26-10-22-17"},
    {Orange, u"27-29-19-24"},
    {Grey, u"28-11-20-4"},
    {Grey, u"29-13-33-15"},
    {Orange, u"30-35-25-20"},
    {Grey, u"31-17-10-26"},
    {Orange, u"32-24-29-6"},
    {Grey, u"33-4-11-28"},
    {Orange, u"0-34-22-10"},
    {Grey, u"35-8-31-2"},
    {Orange, u"36-28-21-33"},
}};

constexpr NumberTable makeNumberTable()
{
    NumberTable table{};
    for (int value = 0; value < numberCount; ++value) {
        const Row &row = rows[static_cast<std::size_t>(value)];
        table[static_cast<std::size_t>(value)] = NumberEntry{
            value, ShortText(u"Command", value + 1), ShortText(u"", value), row.colourClass, row.text};
    }
    return table;
}

} // namespace detail

inline constexpr NumberTable numberTable = detail::makeNumberTable();

// Only the board's own buttons produce values, so the value is always 0 to 36.
constexpr const NumberEntry &lookUp(int value)
{
    return numberTable[static_cast<std::size_t>(value)];
}

} // namespace board
