// TranslateComponents: which text of which class of control is translated.
#include <gtest/gtest.h>

#include "frames/common/translate_components.h"
#include "model/zym_utils.h"
#include "tests/unit/translator_fixture.h"
#include "tests/unit/ui_test_support.h"
#include "ui/html_label.h"
#include "ui/label.h"
#include "ui/timer_component.h"

namespace kxua {
namespace {

// A control that claims a class name the toolkit does not build itself.
class Named final : public ui::Control {
 public:
  Named(ui::Component* owner, std::wstring className) : ui::Control(owner), className_(std::move(className)) {}
  std::wstring ClassName() const override { return className_; }

 private:
  std::wstring className_;
};

class TranslateComponentsTest : public test::TranslatorTest {
 protected:
  TranslateComponentsTest() {
    dictionary->Add(L"Ocultar", L"Hide");
    dictionary->Add(L"Permitir", L"Allow");
    dictionary->Add(L"Titulo", L"Title");
    dictionary->Add(L"", L"(empty)");
    utils_.Initialize(CZYMUtils::kAlertClient, context);
  }

  CZYMUtils utils_;
};

TEST_F(TranslateComponentsTest, EachClassNameRule) {
  test::LayoutFrame root(L"TfrTest", 0);
  root.SetCaption(L"Titulo");
  struct Row {
    const wchar_t* className;
    const wchar_t* before;
    const wchar_t* after;
  };
  const Row rows[] = {
      {L"TLabel",                L"Permitir", L"Allow"},
      {L"THTMLRadioButton",      L"Permitir", L"Allow"},
      {L"TAdvSmoothTabPage",     L"Permitir", L"Allow"},
      {L"TAdvOfficeRadioButton", L"Permitir", L"Allow"},
      {L"THTMLCheckBox",         L"Permitir", L"Allow"},
      {L"TKXUAButtonLuxEx",      L"Permitir", L"Allow"},
      {L"TEdit",                 L"Permitir", L"Permitir"},
      {L"TMemo",                 L"Permitir", L"Permitir"},
      {L"TListBox",              L"Permitir", L"Permitir"},
      {L"tedit",                 L"Permitir", L"Allow"},  // exact names only
      {L"TPanel",                L"Unknown",  L"Unknown"},
  };
  std::vector<Named*> controls;
  for (const Row& row : rows) {
    controls.push_back(new Named(&root, row.className));
    controls.back()->SetCaption(row.before);
  }
  auto* html = new ui::HtmlLabel(&root);
  html->SetCaption(L"Permitir");
  html->SetHTMLText(L"Ocultar\r\n");
  auto* emptyHtml = new ui::HtmlLabel(&root);
  emptyHtml->SetHTMLText(L"\r\n\r\n");
  new ui::TimerComponent(&root);  // not a control: skipped

  TranslateComponents(utils_, &root);

  EXPECT_EQ(root.Caption(), L"Title") << "the root's own text";
  for (std::size_t i = 0; i < controls.size(); ++i)
    EXPECT_EQ(controls[i]->Caption(), rows[i].after) << controls[i]->ClassName();
  EXPECT_EQ(html->HTMLText(), L"Hide\r\n") << "the markup, its line breaks kept";
  EXPECT_EQ(html->Caption(), L"Permitir") << "an HTML label's caption is not its text";
  EXPECT_EQ(emptyHtml->HTMLText(), L"");
}

TEST_F(TranslateComponentsTest, NullRootAndLongTexts) {
  TranslateComponents(utils_, nullptr);
  test::LayoutFrame root(L"TfrTest", 0);
  auto* label = new ui::Label(&root);
  const std::wstring longText(3000, L'a');
  label->SetCaption(longText);
  TranslateComponents(utils_, &root);
  EXPECT_EQ(label->Caption(), longText) << "a text beyond the runtime's 1024-character buffer stays whole";
}

}  // namespace
}  // namespace kxua
