#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "board/number_table.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using board::ColourClass;

namespace {

std::string narrow(std::u16string_view text)
{
    return {text.begin(), text.end()}; // the table's texts are plain ASCII
}

std::vector<int> numbersIn(std::u16string_view text)
{
    std::vector<int> numbers;
    int current = -1;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9')
            current = (current < 0 ? 0 : current * 10) + (c - u'0');
        else if (current >= 0)
            numbers.push_back(std::exchange(current, -1));
    }
    if (current >= 0)
        numbers.push_back(current);
    return numbers;
}

} // namespace

TEST_CASE("the lookup gives each entry's own line, untrimmed")
{
    struct Case {
        int value;
        std::string_view text;
    };
    const Case cases[] = {
        {0, "0-5-18-34"}, {1, " 1-21-30-12"}, {17, "17-9-0-23"},
        {34, "0-34-22-10"}, {36, "36-28-21-33"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.value);
        CHECK(narrow(board::lookUp(c.value).text) == c.text);
    }
}

TEST_CASE("every entry knows its value, control name and caption")
{
    for (int value = 0; value < board::numberCount; ++value) {
        const board::NumberEntry &entry = board::lookUp(value);
        CAPTURE(value);
        CHECK(entry.value == value);
        CHECK(narrow(entry.controlName.view()) == "Command" + std::to_string(value + 1));
        CHECK(narrow(entry.caption.view()) == std::to_string(value));
    }
}

TEST_CASE("the colour classes: one green zero, eighteen orange, eighteen grey")
{
    const std::set<int> orange{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (const board::NumberEntry &entry : board::numberTable) {
        CAPTURE(entry.value);
        const ColourClass expected = entry.value == 0             ? ColourClass::Green
                                     : orange.contains(entry.value) ? ColourClass::Orange
                                                                    : ColourClass::Grey;
        CHECK(entry.colourClass == expected);
    }
    const auto count = [](ColourClass c) {
        return std::count_if(board::numberTable.begin(), board::numberTable.end(),
                             [c](const auto &entry) { return entry.colourClass == c; });
    };
    CHECK(count(ColourClass::Green) == 1);
    CHECK(count(ColourClass::Orange) == 18);
    CHECK(count(ColourClass::Grey) == 18);

    CHECK(board::colourOf(ColourClass::Green) == board::Rgb{0, 255, 0});
    CHECK(board::colourOf(ColourClass::Orange) == board::Rgb{255, 128, 0});
    CHECK(board::colourOf(ColourClass::Grey) == board::Rgb{128, 128, 128});
}

TEST_CASE("each line: four numbers of the board joined by dashes, led by its own value")
{
    for (const board::NumberEntry &entry : board::numberTable) {
        const std::string text = narrow(entry.text);
        CAPTURE(text);
        CHECK(text.size() >= 8);
        CHECK(text.size() <= 11);
        CHECK(text.find(' ') == (entry.value == 1 ? 0 : std::string::npos));

        std::vector<std::string> parts;
        for (std::size_t from = text.find_first_not_of(' ');;) {
            const std::size_t dash = text.find('-', from);
            parts.push_back(text.substr(from, dash - from));
            if (dash == std::string::npos)
                break;
            from = dash + 1;
        }
        REQUIRE(parts.size() == 4);
        for (const std::string &part : parts) {
            CAPTURE(part);
            REQUIRE(!part.empty());
            CHECK(part.find_first_not_of("0123456789") == std::string::npos);
            CHECK((part == "0" || part.front() != '0'));
            CHECK(std::stoi(part) <= 36);
        }

        const std::string own = std::to_string(entry.value);
        if (entry.value == 34)
            CHECK((parts[0] == "0" && parts[1] == own));
        else
            CHECK(parts[0] == own);
    }
}

TEST_CASE("the six golden numbers are zero and the values whose line holds zero")
{
    std::set<int> golden{0};
    for (const board::NumberEntry &entry : board::numberTable) {
        const std::vector<int> numbers = numbersIn(entry.text);
        if (std::find(numbers.begin(), numbers.end(), 0) != numbers.end())
            golden.insert(entry.value);
    }
    CHECK(golden == std::set<int>{0, 9, 10, 17, 22, 34});
}
