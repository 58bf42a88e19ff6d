// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Form of the rules and about texts shown in the panels: CR LF lines, hand-broken at 43 characters, their openings and
// lengths.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxLineWidth = 43;

std::string readText(const std::string& name)
{
    std::ifstream in(std::string(MORVANE_SOURCE_DIR) + "/src/assets/texts/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name << " cannot be opened";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Number of characters of well-formed UTF-8 text, or nothing when a byte sequence is broken.
std::optional<std::size_t> utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t size = lead < 0x80           ? 1
                                 : (lead >> 5) == 0x6  ? 2
                                 : (lead >> 4) == 0xE  ? 3
                                 : (lead >> 3) == 0x1E ? 4
                                                       : 0;
        if (size == 0 || i + size > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < size; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return std::nullopt;
        i += size;
    }
    return count;
}

// The lines of a text whose every line, the last one included, ends with CR LF; nothing if one does not.
std::optional<std::vector<std::string>> crLfLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        if (end == std::string_view::npos)
            return std::nullopt;
        const auto line = text.substr(0, end);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            return std::nullopt;
        lines.emplace_back(line);
        text.remove_prefix(end + 2);
    }
    return lines;
}

std::vector<std::string> linesOf(const std::string& name)
{
    const auto lines = crLfLines(readText(name));
    EXPECT_TRUE(lines.has_value()) << name << " has a line that does not end with CR LF";
    return lines.value_or(std::vector<std::string>{});
}

class PanelText : public ::testing::TestWithParam<const char*> {};

TEST_P(PanelText, IsUtf8WithCrLfLinesOfAtMost43Characters)
{
    const std::string text = readText(GetParam());
    ASSERT_FALSE(text.empty());
    ASSERT_TRUE(utf8Length(text).has_value()) << "not UTF-8";
    const auto lines = crLfLines(text);
    ASSERT_TRUE(lines.has_value()) << "a line does not end with CR LF";
    for (const std::string& line : *lines)
        EXPECT_LE(*utf8Length(line), kMaxLineWidth) << "\"" << line << "\"";
}

TEST_P(PanelText, ParagraphsAreSeparatedBySingleEmptyLines)
{
    const auto lines = linesOf(GetParam());
    ASSERT_FALSE(lines.empty());
    EXPECT_FALSE(lines.front().empty());
    EXPECT_FALSE(lines.back().empty());
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_FALSE(lines[i].empty() && lines[i - 1].empty()) << "two empty lines before line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelText, ::testing::Values("rules_en.txt", "rules_it.txt", "about.txt"));

// A rules text opens with its heading and, line ends included, runs to about its panel's length (within a tenth).
void expectRulesText(const std::string& name, const std::string& opening, double length)
{
    const std::string text = readText(name);
    const auto lines = crLfLines(text);
    ASSERT_TRUE(lines.has_value() && !lines->empty()) << name;
    EXPECT_EQ(lines->front(), opening) << name;
    ASSERT_TRUE(utf8Length(text).has_value()) << name;
    EXPECT_NEAR(static_cast<double>(*utf8Length(text)), length, length / 10) << name;
}

TEST(RulesText, EnglishOpensWithTheDeckQuestion)
{
    expectRulesText("rules_en.txt", "Do you know neapolitan cards?", 2160);
}

TEST(RulesText, ItalianOpensWithThePlayTable) { expectRulesText("rules_it.txt", "Il tavolo da gioco", 2060); }

TEST(AboutText, NamesGameMakerAndAPlaceholderAddress)
{
    const auto lines = linesOf("about.txt");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].starts_with("Morvane "));
    EXPECT_NE(lines[1].find("Vandrel"), std::string::npos);
    EXPECT_TRUE(lines[2].ends_with(".example")) << "the address must not reach a real site";
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("://"), std::string::npos) << "\"" << line << "\"";
}

}  // namespace
