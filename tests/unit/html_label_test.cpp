// The HTML label: its markup parsed into styled runs, laid out and drawn, and its
// anchors under the mouse.
#include <gtest/gtest.h>

#include "tests/unit/ui_test_support.h"
#include "ui/html_label.h"
#include "ui/html_markup.h"

namespace kxua {
namespace {

using platform::Rect;

// A compact picture of a parsed document: "{flags}text" per run, "<br>", "<hr>".
// Flags: b bold, i italic, u underline, sN size, aN anchor, C centred, R right.
std::wstring Describe(const ui::HtmlDocument& doc) {
  std::wstring out;
  for (const ui::HtmlItem& item : doc.items) {
    if (item.kind == ui::HtmlItem::Kind::LineBreak) {
      out += L"<br>";
      continue;
    }
    if (item.kind == ui::HtmlItem::Kind::Rule) {
      out += L"<hr>";
      continue;
    }
    std::wstring flags;
    if (item.style.bold) flags += L"b";
    if (item.style.italic) flags += L"i";
    if (item.style.underline) flags += L"u";
    if (item.style.pointSize > 0) flags += L"s" + std::to_wstring(item.style.pointSize);
    if (item.style.anchor >= 0) flags += L"a" + std::to_wstring(item.style.anchor);
    if (item.align == ui::HtmlAlign::Center) flags += L"C";
    if (item.align == ui::HtmlAlign::Right) flags += L"R";
    out += L"{" + flags + L"}" + item.text;
  }
  return out;
}

struct MarkupCase {
  const wchar_t* markup;
  const wchar_t* parsed;
};

class MarkupTest : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(MarkupTest, Parses) { EXPECT_EQ(Describe(ui::ParseHtml(GetParam().markup)), GetParam().parsed); }

INSTANTIATE_TEST_SUITE_P(
    Tags, MarkupTest,
    ::testing::Values(
        MarkupCase{L"Hello <b>World</b>",                           L"{}Hello {b}World"},
        MarkupCase{L"<B>x</B><br>y<BR>z<br/>w",                     L"{b}x<br>{}y<br>{}z<br>{}w"},
        MarkupCase{L"<P align=\"center\">a</P>b",                   L"{C}a<br>{}b"},
        MarkupCase{L"x<p align=\"center\">a</p>",                   L"{}x<br>{C}a<br>"},
        MarkupCase{L"<FONT size=\"14\">big</FONT> <font size=\"11\">small</font>", L"{s14}big{} {s11}small"},
        MarkupCase{L"<font size=\"14\">a<font size=\"11\">b</font>c</font>d", L"{s14}a{s11}b{s14}c{}d"},
        MarkupCase{L"x<HR>y",                                       L"{}x<hr>{}y"},
        MarkupCase{L"<a href=\"#\"><b>app</b></a> tail",            L"{ba0}app{} tail"},
        MarkupCase{L"<P align=\"center\"><b>%1%</b> is trying</P>",  L"{bC}%1%{C} is trying<br>"}));

INSTANTIATE_TEST_SUITE_P(
    MalformedIsText, MarkupTest,
    ::testing::Values(
        MarkupCase{L"a < b",                     L"{}a < b"},
        MarkupCase{L"<b unclosed",               L"{}<b unclosed"},
        MarkupCase{L"<3 <",                      L"{}<3 <"},
        MarkupCase{L"</b>x</a></font></p>",      L"{}x"},
        MarkupCase{L"<unknown>x</unknown>",      L"{}x"},
        MarkupCase{L"&lt;b&gt; &amp; &bogus;",   L"{}<b> & &bogus;"},
        MarkupCase{L"<font size=\"abc\">x</font>", L"{}x"},
        MarkupCase{L"<a href=\"unterminated>x",  L"{a0}x"},
        MarkupCase{L"line\r\nnext",              L"{}line  next"}));

TEST(Markup, ListsAnchorTargetsInOrder) {
  const ui::HtmlDocument doc = ui::ParseHtml(L"<a href=\"one\">1</a> <A HREF='two'>2</A> <a>3</a>");
  EXPECT_EQ(doc.anchors, (std::vector<std::wstring>{L"one", L"two", L""}));
}

class HtmlLabelTest : public ::testing::Test {
 protected:
  HtmlLabelTest() {
    frame_.SetBounds(0, 0, 300, 100);
    label_->SetParent(&frame_);
    label_->SetBounds(10, 10, 200, 50);
    label_->SetURLColor(0x00FF0000);
    label_->SetFontColor(0x00123456);
    sim_->Show(frame_.Handle());
  }

  const std::vector<sim::DisplayItem>& Paint() {
    sim_->Invalidate(frame_.Handle());
    sim_->PaintPending();
    return sim_->DisplayList(frame_.Handle());
  }

  sim::ScopedSimPlatform sim_;
  test::LayoutFrame frame_{L"TFrame", 0};
  ui::HtmlLabel* label_ = new ui::HtmlLabel(&frame_);
};

TEST_F(HtmlLabelTest, DrawsRunsInTheirStylesAndCentresVertically) {
  label_->SetVAlignment(ui::HtmlLabel::VAlign::Center);
  label_->SetHTMLText(L"Se ha bloqueado <a href=\"#\">app.exe</a>.");
  const auto& list = Paint();
  // One line of 14 in 50: 18 down. "Se ha bloqueado " is 16 characters.
  const sim::DisplayItem* plain = test::FindText(list, L"Se ha bloqueado ");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->rect, (Rect{10, 28, 106, 42}));
  EXPECT_EQ(plain->color, 0x00123456u);
  const sim::DisplayItem* link = test::FindText(list, L"app.exe");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->rect, (Rect{106, 28, 148, 42}));
  EXPECT_EQ(link->color, 0x00FF0000u);
  EXPECT_TRUE(link->font.underline);
  EXPECT_EQ(link->clip, (Rect{10, 10, 210, 60})) << "clipped to the label";
}

TEST_F(HtmlLabelTest, BoldAndSizedRunsShareTheLineBottom) {
  label_->SetHTMLText(L"a<b>b</b><font size=\"14\">c</font><br><P align=\"center\">mid</P><HR>end");
  const auto& list = Paint();
  // Tahoma -11: 6 wide, 14 high; bold 7 wide; 14 points is -19: 10 wide, 24 high.
  EXPECT_EQ(test::FindText(list, L"a")->rect, (Rect{10, 20, 16, 34}));
  EXPECT_EQ(test::FindText(list, L"b")->rect, (Rect{16, 20, 23, 34}));
  EXPECT_TRUE(test::FindText(list, L"b")->font.bold);
  EXPECT_EQ(test::FindText(list, L"c")->rect, (Rect{23, 10, 33, 34}));
  EXPECT_EQ(test::FindText(list, L"mid")->rect, (Rect{10 + 91, 34, 10 + 109, 48})) << "centred in 200";
  const sim::DisplayItem* rule = nullptr;
  for (const auto& item : list)
    if (item.kind == sim::DisplayItem::Kind::Line) rule = &item;
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(rule->rect, (Rect{10, 52, 210, 52})) << "across the label, mid-way in its 8 pixels";
  EXPECT_EQ(test::FindText(list, L"end")->rect.top, 56);
}

TEST_F(HtmlLabelTest, WrapsAndSizesItselfToTheText) {
  label_->SetAutoSizing(true);
  label_->SetWidth(60);
  label_->SetHTMLText(L"one <b>two</b> three fours");
  EXPECT_EQ(label_->Height(), 42) << "three lines of 14";
  EXPECT_EQ(label_->Width(), 60) << "a wrapping label keeps its width";
  label_->SetWordWrap(false);
  EXPECT_EQ(label_->BoundsRect(), (Rect{10, 10, 10 + 16 * 6 + 3 * 7, 24})) << "one line, 16 + 3 bold";
}

TEST_F(HtmlLabelTest, EndsWhatDoesNotFitWithAnEllipsis) {
  label_->SetWordWrap(false);
  label_->SetEllipsis(true);
  label_->SetWidth(60);  // 10 characters
  label_->SetHTMLText(L"<a href=\"#\">C:\\Program Files\\x.exe</a>");
  const auto texts = test::Texts(Paint());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, L"C:\\Prog...");

  label_->SetWordWrap(true);
  label_->SetHeight(28);
  label_->SetHTMLText(L"aa bb cc dd ee ff");
  std::vector<std::wstring> lines;
  for (const auto* item : test::Texts(Paint())) lines.push_back(item->text);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"aa bb cc ", L"dd ee ff"}));
  label_->SetWidth(36);  // three lines now, room for two
  lines.clear();
  for (const auto* item : test::Texts(Paint())) lines.push_back(item->text);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"aa bb ", L"cc..."})) << "the last line kept says so";
}

TEST_F(HtmlLabelTest, AnchorsAnswerTheMouse) {
  std::vector<std::wstring> seen;
  label_->OnAnchorEnter = [&](const ui::Event& e) { seen.push_back(L"enter " + e.anchor); };
  label_->OnAnchorExit = [&](const ui::Event& e) { seen.push_back(L"exit " + e.anchor); };
  label_->OnAnchorClick = [&](const ui::Event& e) { seen.push_back(L"click " + e.anchor); };
  label_->SetHover(true);
  label_->SetHoverFontColor(0x000000FF);
  label_->SetHTMLText(L"see <a href=\"target\">this</a> now");
  const platform::WindowHandle window = frame_.Handle();

  sim_->MouseMove(window, 12, 15);  // on "see"
  EXPECT_EQ(sim_->CurrentCursor(), platform::Cursor::Arrow);
  sim_->MouseMove(window, 10 + 4 * 6 + 1, 15);  // on "this"
  EXPECT_EQ(sim_->CurrentCursor(), platform::Cursor::Hand);
  EXPECT_EQ(test::FindText(Paint(), L"this")->color, 0x000000FFu) << "hover colour";
  sim_->Click(window, 10 + 4 * 6 + 5, 15);
  sim_->MouseMove(window, 10 + 9 * 6, 15);  // on " now"
  EXPECT_EQ(test::FindText(Paint(), L"this")->color, 0x00FF0000u);
  sim_->Click(window, 10 + 9 * 6, 15);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"enter target", L"click target", L"exit target"}));
}

}  // namespace
}  // namespace kxua
