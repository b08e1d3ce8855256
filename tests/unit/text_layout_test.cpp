// Line breaking, ellipses and alignment of the text layout every canvas shares, on
// the simulation's metrics (Tahoma -11: 6 pixels a character, 14 a line).
#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"
#include "platform/text_layout.h"
#include "tests/unit/ui_test_support.h"

namespace kxua {
namespace {

namespace tf = platform::text_format;
using platform::Rect;

struct LayoutCase {
  const wchar_t* text;
  Rect rect;
  std::uint32_t format;
  std::vector<std::wstring> lines;
  std::vector<platform::Point> origins;
};

class TextLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TextLayoutTest, PlacesTheLines) {
  sim::SimPlatform sim;
  const platform::Font font;
  auto measure = [&](const std::wstring& s) { return sim.MeasureText(font, s); };
  const LayoutCase& c = GetParam();
  std::vector<std::wstring> lines;
  std::vector<platform::Point> origins;
  for (const platform::TextLine& line : platform::LayoutText(measure, c.text, c.rect, c.format)) {
    lines.push_back(line.text);
    origins.push_back(line.origin);
  }
  EXPECT_EQ(lines, c.lines);
  EXPECT_EQ(origins, c.origins);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLayoutTest,
    ::testing::Values(
        //         text                      rect             format                         lines                        origins
        LayoutCase{L"one two three",         {0, 0, 60, 50},  tf::WordBreak,                 {L"one two", L"three"},      {{0, 0}, {0, 14}}},
        LayoutCase{L"abcdefghij",            {0, 0, 36, 50},  tf::WordBreak,                 {L"abcdef", L"ghij"},        {{0, 0}, {0, 14}}},
        LayoutCase{L"a\r\nb\nc",             {0, 0, 60, 50},  0,                             {L"a", L"b", L"c"},          {{0, 0}, {0, 14}, {0, 28}}},
        LayoutCase{L"a\r\nb",                {0, 0, 60, 50},  tf::SingleLine,                {L"a  b"},                   {{0, 0}}},
        LayoutCase{L"abcdefghijklmnop",      {0, 0, 60, 14},  tf::EndEllipsis,               {L"abcdefg..."},             {{0, 0}}},
        LayoutCase{L"fits",                  {0, 0, 60, 14},  tf::EndEllipsis,               {L"fits"},                   {{0, 0}}},
        LayoutCase{L"aa bb cc dd ee",        {0, 0, 30, 28},  tf::WordBreak | tf::EndEllipsis, {L"aa bb", L"cc..."},      {{0, 0}, {0, 14}}},
        LayoutCase{L"C:\\Program Files\\Vendor\\app.exe", {0, 0, 120, 14}, tf::PathEllipsis, {L"C:\\Progra...\\app.exe"}, {{0, 0}}},
        LayoutCase{L"abc",                   {10, 5, 70, 55}, tf::Center | tf::VCenter,      {L"abc"},                    {{31, 23}}},
        LayoutCase{L"abc",                   {0, 0, 60, 50},  tf::Right | tf::Bottom,        {L"abc"},                    {{42, 36}}}));

TEST(TextBlock, MeasuresTheWidestLineAndAllLines) {
  sim::SimPlatform sim;
  const platform::Font font;
  auto measure = [&](const std::wstring& s) { return sim.MeasureText(font, s); };
  EXPECT_EQ(platform::TextBlockSize(measure, L"one two three", 60, tf::WordBreak), (platform::Size{42, 28}));
  EXPECT_EQ(platform::TextBlockSize(measure, L"", 60, 0), (platform::Size{0, 14}));
}

}  // namespace
}  // namespace kxua
