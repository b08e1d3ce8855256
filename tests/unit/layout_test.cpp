// Loading layouts: every layout of the product and of the tests loads, properties
// and handlers land where they are named, and each kind of mistake is reported with
// its file and line.
#include <gtest/gtest.h>

#include <cstring>

#include "frames/common/frame_layouts.h"
#include "host/layouts.h"
#include "tests/unit/ui_test_support.h"
#include "ui/combo_box.h"
#include "ui/menu.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/html_label.h"
#include "ui/label.h"

namespace kxua {
namespace {

std::vector<ui::LayoutSource> AllLayouts() {
  std::vector<ui::LayoutSource> all = HostLayouts();
  for (const ui::LayoutSource& source : TestLayouts()) all.push_back(source);
  return all;
}

// A root of the class the layout inherits from, under the layout's own class name.
std::unique_ptr<ui::Component> RootFor(const ui::LayoutSource& source) {
  const ui::LayoutRoot root = ui::ReadLayoutRoot(source);
  const std::string base = root.inherits.empty() ? root.className : root.inherits;
  if (base == "TForm") return std::make_unique<ui::Form>(nullptr);
  return std::make_unique<test::LayoutFrame>(std::wstring(base.begin(), base.end()), 0);
}

TEST(Layouts, AFamilyFindsItsLayoutByRootClass) {
  const auto all = AllLayouts();
  EXPECT_EQ(std::string(HostLayouts()[0].path), ui::FindLayout(all, "TToastMainForm").path);
  EXPECT_EQ(TestLayout("paging_frame.layout.json").path, ui::FindLayout(all, "TfrPagingTest").path);
  EXPECT_THROW(ui::FindLayout(all, "TfrNobody"), ui::LayoutError);
  EXPECT_THROW(ui::FindLayout({}, "TToastMainForm"), ui::LayoutError);
}

TEST(Layouts, EveryLayoutLoads) {
  sim::ScopedSimPlatform sim;
  const auto all = AllLayouts();
  ASSERT_GE(all.size(), 4u);
  for (const ui::LayoutSource& source : all) {
    SCOPED_TRACE(source.path);
    auto root = RootFor(source);
    test::HandlerLog log;
    EXPECT_NO_THROW(ui::LoadLayout(source, *root, log.Lookup()));
    EXPECT_FALSE(root->Components().empty());
  }
}

TEST(Layouts, EveryFrameLayoutLoadsOnTheLayoutsItInherits) {
  sim::ScopedSimPlatform sim;
  const std::vector<ui::LayoutSource> layouts = FrameLayouts();
  ASSERT_GE(layouts.size(), 7u);
  for (const ui::LayoutSource& source : layouts) {
    SCOPED_TRACE(source.path);
    const std::string className = ui::ReadLayoutRoot(source).className;
    test::LayoutFrame frame(std::wstring(className.begin(), className.end()), 0);
    test::HandlerLog log;
    EXPECT_NO_THROW(ui::LoadLayoutOf(layouts, className, frame, log.Lookup()));
    EXPECT_NE(nullptr, frame.FindComponent(L"lbProductName")) << "every frame has the footer";
  }
}

TEST(Layouts, TheHostWindowLayout) {
  sim::ScopedSimPlatform sim;
  const ui::LayoutSource source = HostLayouts().at(0);
  EXPECT_STREQ(source.path, "host/toast_main_form.layout.json");
  ui::Form form(nullptr);
  std::vector<std::string> wired;
  ui::LoadLayout(source, form, [&](const std::string& name) -> ui::EventHandler {
    wired.push_back(name);
    return [](const ui::Event&) {};
  });
  EXPECT_EQ(form.BoundsRect(), (platform::Rect{0, 0, 264, 52}));
  EXPECT_EQ(form.GetColor(), ui::kWhite);
  EXPECT_EQ(form.Font().name, L"Tahoma");
  EXPECT_EQ(form.Font().height, -11);
  EXPECT_EQ(test::Get(form, L"Fondo").BoundsRect(), (platform::Rect{0, 0, 264, 52}));
  for (const wchar_t* timer : {L"TimerNewAlert", L"TimerClose", L"TimerActivate", L"DiscardAlert"}) {
    auto* component = form.FindComponent(timer);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->ClassName(), L"TTimer");
  }
  EXPECT_EQ(wired, (std::vector<std::string>{"ApplicationEvents1Message", "TimerNewAlertTimer",
                                             "TimerCloseTimer", "TimerActivateTimer",
                                             "DiscardAlertTimer"}));
  form.SetClientSize(300, 80);
  EXPECT_EQ(test::Get(form, L"Fondo").BoundsRect(), (platform::Rect{0, 0, 300, 80}))
      << "anchored to every edge, it covers the client area";
}

TEST(Layouts, TextIsUnicodeAndEscapesWork) {
  sim::ScopedSimPlatform sim;
  const char text[] = "{\"class\": \"TFrame\", \"children\": [\n"
                      " {\"class\": \"TLabel\", \"name\": \"L\", \"Caption\": \"Ubicaci\xC3\xB3n \\\"x\\\" \xF0\x9F\x98\x80\"}]}";
  test::LayoutFrame frame(L"TFrame", 0);
  ui::LoadLayout({"inline.json", text, std::strlen(text)}, frame, nullptr);
  std::wstring expected = L"Ubicaci\u00F3n \"x\" ";
  expected += sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)} : std::wstring{wchar_t(0x1F600)};
  EXPECT_EQ(test::Get(frame, L"L").Caption(), expected);
}

TEST(Layouts, CombosAndMenusTakeTheirItems) {
  sim::ScopedSimPlatform sim;
  const char text[] =
      "{\"class\": \"TFrame\", \"children\": [\n"
      " {\"class\": \"TAdvComboBox\", \"name\": \"C\", \"Items\": [\"Uno\", \"Dos\"], \"ItemIndex\": 1,\n"
      "  \"Style\": \"csOwnerDrawVariable\"},\n"
      " {\"class\": \"TMainMenu\", \"name\": \"M\", \"Items\": [\n"
      "  {\"name\": \"Archivo\", \"Caption\": \"Archivo\", \"Items\": [{\"name\": \"Salir\", \"Caption\": \"Salir\"}]}]}]}";
  test::LayoutFrame frame(L"TFrame", 0);
  ui::LoadLayout({"inline.json", text, std::strlen(text)}, frame, nullptr);
  auto* combo = frame.Find<ui::ComboBox>(L"C");
  ASSERT_NE(nullptr, combo);
  EXPECT_EQ(L"Dos", combo->Text());
  EXPECT_EQ(ui::ComboStyle::OwnerDrawVariable, combo->Style());
  auto* menu = frame.Find<ui::MainMenu>(L"M");
  ASSERT_NE(nullptr, menu);
  ASSERT_EQ(1u, menu->Items().size());
  ASSERT_EQ(1u, menu->Items()[0]->Items().size());
  EXPECT_EQ(L"Salir", menu->Items()[0]->Items()[0]->Caption());
  EXPECT_NE(nullptr, frame.FindComponent(L"Salir")) << "items belong to the menu's owner";
}

struct ErrorCase {
  const char* what;
  const char* text;
  int line;
  const char* message;
};

class LayoutErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LayoutErrorTest, NamesFileAndLine) {
  sim::ScopedSimPlatform sim;
  const ErrorCase& c = GetParam();
  test::LayoutFrame frame(L"TfrTest", 0);
  try {
    ui::LoadLayout({"frames/test/bad.layout.json", c.text, std::strlen(c.text)}, frame,
                   ui::HandlersFrom({{"Known", [](const ui::Event&) {}}}));
    FAIL() << "no error for " << c.what;
  } catch (const ui::LayoutError& error) {
    EXPECT_EQ(error.File(), "frames/test/bad.layout.json");
    EXPECT_EQ(error.Line(), c.line) << error.what();
    EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    EXPECT_EQ(std::string(error.what()).rfind("frames/test/bad.layout.json:" + std::to_string(c.line) + ": ", 0), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutErrorTest,
    ::testing::Values(
        ErrorCase{"unknown class",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\",\n \"children\": [\n  {\"name\": \"A\",\n   \"class\": \"TButton\"}]}",
                  4, "unknown class TButton"},
        ErrorCase{"unknown property",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TLabel\",\n  \"Font\": {\n   \"Nmae\": \"Tahoma\"}}]}",
                  3, "unknown property Font.Nmae of TLabel"},
        ErrorCase{"unknown handler",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\",\n\n \"OnClick\": \"Unknown\"}",
                  3, "no handler is named \"Unknown\""},
        ErrorCase{"bad value",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\",\n \"Width\": \"wide\"}",
                  2, "Width: expects a whole number"},
        ErrorCase{"double buffering that is no flag",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"DoubleBuffered\": true, \"children\": [\n {\"class\": \"TPanel\",\n  \"DoubleBuffered\": 1}]}",
                  3, "DoubleBuffered: expects true or false"},
        ErrorCase{"bad enumeration",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\",\n \"Align\": \"alMiddle\"}",
                  2, "unknown value alMiddle"},
        ErrorCase{"missing reference",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TKXUAButtonLuxEx\",\n  \"BackColors\": \"Nowhere\"}]}",
                  3, "no component is named \"Nowhere\""},
        ErrorCase{"reference of the wrong class",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TTimer\", \"name\": \"T\"},\n {\"class\": \"TKXUAButtonLuxEx\", \"BackColors\": \"T\"}]}",
                  3, "T is not a TKXUAColors"},
        ErrorCase{"syntax",
                  "{\"class\": \"TfrTest\",\n \"Width\": 3\n \"Height\": 4}",
                  3, "expected '}'"},
        ErrorCase{"duplicate key",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\",\n \"Width\": 3,\n \"Width\": 4}",
                  3, "\"Width\" appears twice"},
        ErrorCase{"duplicate name",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TPanel\", \"name\": \"P\"},\n {\"class\": \"TPanel\", \"name\": \"p\"}]}",
                  3, "the name p is used twice"},
        ErrorCase{"wrong root",
                  "// comment\n{\"class\": \"TfrOther\", \"inherits\": \"TForm\"}",
                  2, "the layout is for TfrOther, not TfrTest"},
        ErrorCase{"unknown menu item property",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TPopupMenu\",\n  \"Items\": [{\"Caption\": \"A\", \"Checked\": true}]}]}",
                  3, "a menu item has no property Checked"},
        ErrorCase{"control in a component",
                  "{\"class\": \"TfrTest\", \"inherits\": \"TFrame\", \"children\": [\n {\"class\": \"TTimer\", \"children\": [\n  {\"class\": \"TLabel\"}]}]}",
                  3, "a control inside a component that is not one"}));

// ---------------------------------------------------------------------------
// Inheritance. The texts live as long as the program, as embedded layouts do.

constexpr char kBaseLayout[] =
    "{\"class\": \"TBaseTest\", \"inherits\": \"TFrame\", \"Width\": 300, \"Height\": 100,\n"
    " \"children\": [\n"
    "  {\"class\": \"TPanel\", \"name\": \"Header\", \"Align\": \"alTop\", \"Height\": 20, \"children\": [\n"
    "   {\"class\": \"TLabel\", \"name\": \"Title\", \"Caption\": \"Base\", \"OnClick\": \"TitleClick\"}]},\n"
    "  {\"class\": \"TPanel\", \"name\": \"Body\", \"Align\": \"alClient\", \"children\": [\n"
    "   {\"class\": \"TPanel\", \"name\": \"Footer\", \"Align\": \"alBottom\", \"Height\": 10}]}]}";
constexpr char kDerivedLayout[] =
    "{\"class\": \"TfrDerivedTest\", \"inherits\": \"TBaseTest\", \"Height\": 150, \"children\": [\n"
    " {\"name\": \"title\", \"Caption\": \"Own\"},\n"
    " {\"class\": \"TPanel\", \"name\": \"Body\", \"children\": [\n"
    "  {\"class\": \"TLabel\", \"name\": \"Text\", \"Caption\": \"Texto\"}]},\n"
    " {\"class\": \"TPanel\", \"name\": \"Extra\", \"Align\": \"alBottom\", \"Height\": 5}]}";

TEST(LayoutInheritance, AFrameLayoutHoldsOnlyWhatItAddsOrChanges) {
  sim::ScopedSimPlatform sim;
  const std::vector<ui::LayoutSource> layouts = {
      {"derived.json", kDerivedLayout, sizeof kDerivedLayout - 1},
      {"base.json", kBaseLayout, sizeof kBaseLayout - 1}};
  test::LayoutFrame frame(L"TfrDerivedTest", 0);
  test::HandlerLog log;
  ui::LoadLayoutOf(layouts, "TfrDerivedTest", frame, log.Lookup());
  EXPECT_EQ((platform::Rect{0, 0, 300, 150}), frame.BoundsRect()) << "the base's width, its own height";
  ui::Control& title = test::Get(frame, L"Title");
  EXPECT_EQ(L"Own", title.Caption()) << "named in any case, at any depth";
  EXPECT_EQ(&test::Get(frame, L"Header"), title.Parent()) << "an inherited control keeps its place";
  EXPECT_TRUE(title.OnClick) << "and its handlers";
  EXPECT_EQ(&test::Get(frame, L"Body"), test::Get(frame, L"Text").Parent());
  EXPECT_EQ(&test::Get(frame, L"Body"), test::Get(frame, L"Footer").Parent());
  EXPECT_EQ(&frame, test::Get(frame, L"Extra").Parent());
  EXPECT_EQ(6u, frame.Components().size()) << "Header, Title, Body, Footer, Text, Extra: a name made once";
}

TEST(LayoutInheritance, MistakesNameTheInheritingFile) {
  sim::ScopedSimPlatform sim;
  static constexpr char kNewClass[] =
      "{\"class\": \"TfrDerivedTest\", \"inherits\": \"TBaseTest\", \"children\": [\n"
      " {\"name\": \"Title\",\n  \"class\": \"TPanel\"}]}";
  static constexpr char kTwice[] =
      "{\"class\": \"TfrDerivedTest\", \"inherits\": \"TBaseTest\", \"children\": [\n"
      " {\"name\": \"Title\", \"Caption\": \"A\"},\n {\"name\": \"TITLE\", \"Caption\": \"B\"}]}";
  static constexpr char kUnknownProperty[] =
      "{\"class\": \"TfrDerivedTest\", \"inherits\": \"TBaseTest\", \"children\": [\n"
      " {\"name\": \"Title\",\n  \"Checked\": true}]}";
  static constexpr char kLoopA[] = "{\"class\": \"TfrDerivedTest\", \"inherits\": \"TLoopB\"}";
  static constexpr char kLoopB[] = "{\"class\": \"TLoopB\", \"inherits\": \"TfrDerivedTest\"}";
  struct Case {
    const char* text;
    const char* base;  // null: the base test layout
    int line;
    const char* message;
  } cases[] = {
      {kNewClass, nullptr, 3, "an inherited TLabel stays one"},
      {kTwice, nullptr, 3, "the name TITLE is used twice"},
      {kUnknownProperty, nullptr, 3, "unknown property Checked of TLabel"},
      {kLoopA, kLoopB, 1, "inherits itself"},
  };
  for (const Case& c : cases) {
    const char* base = c.base != nullptr ? c.base : kBaseLayout;
    const std::vector<ui::LayoutSource> layouts = {{"derived.json", c.text, std::strlen(c.text)},
                                                   {"base.json", base, std::strlen(base)}};
    test::LayoutFrame frame(L"TfrDerivedTest", 0);
    try {
      ui::LoadLayoutOf(layouts, "TfrDerivedTest", frame, test::HandlerLog().Lookup());
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const ui::LayoutError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
      if (c.base == nullptr) {
        EXPECT_EQ("derived.json", error.File()) << error.what();
        EXPECT_EQ(c.line, error.Line()) << error.what();
      }
    }
  }
}

TEST(LayoutInheritance, ALayoutOfAToolkitClassIsNoBase) {
  sim::ScopedSimPlatform sim;
  static constexpr char kPlainFrame[] =
      "{\"class\": \"TFrame\", \"children\": [{\"class\": \"TPanel\", \"name\": \"Stray\"}]}";
  static constexpr char kOwn[] = "{\"class\": \"TfrOwnTest\", \"inherits\": \"TFrame\", \"Width\": 7}";
  const std::vector<ui::LayoutSource> layouts = {{"plain.json", kPlainFrame, sizeof kPlainFrame - 1},
                                                 {"own.json", kOwn, sizeof kOwn - 1}};
  test::LayoutFrame frame(L"TfrOwnTest", 0);
  ui::LoadLayoutOf(layouts, "TfrOwnTest", frame, nullptr);
  EXPECT_EQ(7, frame.Width());
  EXPECT_EQ(nullptr, frame.FindComponent(L"Stray"));
}

TEST(Layouts, HandlersAndPropertiesLandOnTheirControls) {
  sim::ScopedSimPlatform sim;
  test::HandlerLog log;
  auto frame = test::LoadSample("sample_toast.layout.json", log);
  auto& text1 = test::Get<ui::HtmlLabel>(*frame, L"Text1");
  EXPECT_TRUE(text1.Hover());
  EXPECT_EQ(text1.URLColor(), 14837266u);
  EXPECT_TRUE(text1.OnAnchorClick);
  auto& product = test::Get<ui::Label>(*frame, L"lbProductName");
  EXPECT_EQ(product.Alignment(), ui::TextAlignment::Right);
  EXPECT_EQ(product.FontColor(), 5263440u);
  EXPECT_EQ(product.Font().height, -11);
  EXPECT_EQ(test::Get(*frame, L"Panel6").BoundsRect(), (platform::Rect{0, 281, 446, 305}));
}

}  // namespace
}  // namespace kxua
