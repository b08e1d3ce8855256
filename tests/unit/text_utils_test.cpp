// Text utilities: multi-line translation, fitting a text to a width with the
// simulation's fixed metrics, and the plain text of label markup.
#include <gtest/gtest.h>

#include <string>

#include "model/text_utils.h"
#include "model/zym_utils.h"
#include "platform/sim/sim_platform.h"
#include "tests/unit/translator_fixture.h"

namespace kxua {
namespace {

std::string Quoted(const std::wstring& text) { return testing::PrintToString(text); }

class TranslateMultilineTest : public test::TranslatorTest {
 protected:
  TranslateMultilineTest() {
    dictionary->Add(L"Ocultar", L"Hide");
    dictionary->Add(L"Line one\r\nLine two", L"Both lines");
    utils.Initialize(CZYMUtils::kAlertClient, context);
  }

  CZYMUtils utils;
};

TEST_F(TranslateMultilineTest, TrailingLineBreaksStayOutOfTheId) {
  const struct {
    const wchar_t* text;
    const wchar_t* expected;
  } cases[] = {
      {L"", L""},
      {L"\r\n", L""},
      {L"\n\n\r", L""},
      {L"Ocultar", L"Hide"},
      {L"Ocultar\r\n", L"Hide\r\n"},
      {L"Ocultar\n\r\n", L"Hide\n\r\n"},
      {L"Line one\r\nLine two", L"Both lines"},  // inner breaks belong to the id
      {L"Line one\r\nLine two\n", L"Both lines\n"},
      {L"\r\nOcultar", L"\r\nOcultar"},  // leading breaks are part of the id
      {L"Unknown\r\n", L"Unknown\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, TranslateMultiline(utils, c.text)) << "from " << Quoted(c.text);
}

class FitTextToWidthTest : public ::testing::Test {
 protected:
  sim::ScopedSimPlatform sim;
  platform::Font font;  // Tahoma 11 px: 6 px a character in the simulation
};

TEST_F(FitTextToWidthTest, CutsToTheLongestBeginningThatFits) {
  ASSERT_EQ(6, sim::SimPlatform::CharWidth(font));
  const std::wstring text = L"abcdefghij";  // 60 px
  const struct {
    int width;
    const wchar_t* expected;
  } cases[] = {
      {61, L"abcdefghij"},  // fits: unchanged, no "..."
      {60, L"abcdef..."},   // as wide as the room is too wide; 9 fit, 3 give way
      {55, L"abcdef..."},
      {54, L"abcde..."},
      {30, L"a..."},
      {24, L"..."},         // 3 fit, all give way to the dots
      {1, L"..."},
      {0, L"abcdefghij"},   // no room measured yet: unchanged
      {-5, L"abcdefghij"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, FitTextToWidth(text, font, c.width)) << "width " << c.width;
  EXPECT_EQ(L"", FitTextToWidth(L"", font, 10));
}

TEST_F(FitTextToWidthTest, MatchesDroppingOneCharacterAtATime) {
  // Dropping one character at a time, for comparison at every width.
  const auto reference = [this](const std::wstring& text, int width) {
    std::wstring working = text;
    std::size_t dropped = 0;
    while (sim->MeasureText(font, working).width >= width) {
      working.pop_back();
      ++dropped;
    }
    if (dropped == 0) return text;
    const std::size_t kept = text.size() >= dropped + 3 ? text.size() - dropped - 3 : 0;
    return text.substr(0, kept) + L"...";
  };
  const std::wstring texts[] = {L"a", L"ab", L"abcd", L"The quick brown fox jumps"};
  for (const std::wstring& text : texts)
    for (int width = 1; width <= 7 * static_cast<int>(text.size()); ++width)
      EXPECT_EQ(reference(text, width), FitTextToWidth(text, font, width))
          << Quoted(text) << " in " << width;
}

TEST_F(FitTextToWidthTest, NeverCutsACharacterInHalf) {
  // A character outside the basic plane is two code units: the cut goes before it.
  const std::wstring text = L"abcd\xD83D\xDE00wxyz";
  EXPECT_EQ(L"abcd...", FitTextToWidth(text, font, 50));
}

TEST(StripMarkup, GivesThePlainText) {
  const struct {
    const wchar_t* text;
    const wchar_t* expected;
  } cases[] = {
      {L"", L""},
      {L"X<BR>Y<z>hidden words</z><b>W</b>", L"X\nYW"},
      {L"a<br>b<Hr>c<hR>d", L"a\nb\nc\nd"},
      {L"<BR >", L""},  // not a line break, just a tag
      {L"a<z>b</z>c<z>d</z>e", L"ace"},
      {L"a<Z>b</Z>c", L"ac"},
      {L"a<z>b</Z>c", L"abc"},  // mixed case is no section; the markers go as tags
      {L"<z>a<z>b</z>c</z>", L"c"},  // a section ends at the next end marker
      {L"<<z>x</z>z>y</z>", L""},    // a removal that joins a new start marker
      {L"a<z>unclosed", L"aunclosed"},
      {L"a<Z>x</z>b", L"axb"},
      // "<" that nothing closes is text, and so is what follows it.
      {L"a < b", L"a < b"},
      {L"x<b>bold</b> 3 < 4", L"xbold 3 < 4"},
      {L"3 < 4 <i>", L"3 "},  // a later ">" closes it, though
      {L"a > b", L"a > b"},
      {L"a<", L"a<"},
      {L"tail<BR", L"tail<BR"},
      {L"<<b>>", L">"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, StripMarkup(c.text)) << "from " << Quoted(c.text);
}

TEST(StripMarkup, LongUnclosedMarkupIsHandledWhole) {
  std::wstring unclosedTag, unclosedSections, sectionsRemoved;
  while (unclosedTag.size() < 65535) unclosedTag += L"a<b";
  EXPECT_EQ(unclosedTag, StripMarkup(unclosedTag));
  while (unclosedSections.size() < 65535) {
    unclosedSections += L"<z>ab";
    sectionsRemoved += L"ab";
  }
  EXPECT_EQ(sectionsRemoved, StripMarkup(unclosedSections)) << "the start markers go as tags";
}

TEST(EscapeMarkup, NamesShowAsTheyStandInMarkup) {
  const struct {
    const wchar_t* text;
    const wchar_t* expected;
  } cases[] = {
      {L"tool.exe", L"tool.exe"},
      {L"Tom & Jerry.exe", L"Tom &amp; Jerry.exe"},
      {L"<a href=\"#\">x</a>", L"&lt;a href=\"#\"&gt;x&lt;/a&gt;"},
      {L"a&lt;b", L"a&amp;lt;b"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, EscapeMarkup(c.text)) << "from " << Quoted(c.text);
}

}  // namespace
}  // namespace kxua
