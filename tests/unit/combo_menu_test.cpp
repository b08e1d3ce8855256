// Combo boxes and menus: the list drops or pops up, a pick lands where it should, a
// press elsewhere closes it; and translation reaches their items.
#include <gtest/gtest.h>

#include "frames/common/translate_components.h"
#include "model/zym_utils.h"
#include "testbed/application_context.h"
#include "testbed/translator.h"
#include "tests/unit/ui_test_support.h"
#include "ui/combo_box.h"
#include "ui/menu.h"

namespace kxua {
namespace {

// The list window on screen, if one is open.
const sim::SimWindow* OpenList(sim::SimPlatform& sim) {
  for (const auto& [handle, window] : sim.Windows())
    if (window.title == L"TPopupList" && window.visible) return &window;
  return nullptr;
}

class ComboMenuTest : public ::testing::Test {
 protected:
  ComboMenuTest() {
    frame.SetBounds(0, 0, 200, 100);
    combo->SetParent(&frame);
    combo->SetBounds(10, 10, 120, 21);
    combo->SetItems({L"Uno", L"Dos", L"Tres"});
    combo->OnChange = [this](const ui::Event&) { ++changes; };
  }

  sim::ScopedSimPlatform sim;
  test::LayoutFrame frame{L"TfrTest", 0};
  ui::ComboBox* combo = new ui::ComboBox(&frame);
  int changes = 0;
};

TEST_F(ComboMenuTest, ClickDropsTheListAndAPickChoosesTheItem) {
  sim->Click(frame.Handle(), 50, 20);
  ASSERT_TRUE(combo->DroppedDown());
  const sim::SimWindow* list = OpenList(*sim);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(31, list->bounds.top) << "just below the combo box";
  EXPECT_EQ(120, list->bounds.Width());
  ui::PopupList probe;
  const int itemHeight = probe.ItemHeight();
  sim->Click(list->handle, 20, 1 + itemHeight + itemHeight / 2);  // the second item
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(1, combo->ItemIndex());
  EXPECT_EQ(L"Dos", combo->Text());
  EXPECT_EQ(1, changes);
  // Picking the chosen item again is no change.
  sim->Click(frame.Handle(), 50, 20);
  sim->Click(OpenList(*sim)->handle, 20, 1 + itemHeight + itemHeight / 2);
  EXPECT_EQ(1, changes);
}

TEST_F(ComboMenuTest, APressElsewhereClosesWithoutAPick) {
  sim->Click(frame.Handle(), 50, 20);
  ASSERT_TRUE(combo->DroppedDown());
  sim->Click(frame.Handle(), 190, 90);  // captured by the list, outside it
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(-1, combo->ItemIndex());
  EXPECT_EQ(0, changes);
  EXPECT_EQ(0u, sim->Captured());
}

TEST_F(ComboMenuTest, PopupMenuFiresThePickedItem) {
  ui::PopupMenu menu(&frame);
  std::vector<std::wstring> clicked;
  for (const wchar_t* caption : {L"Abrir", L"Cerrar"}) {
    auto* item = new ui::MenuItem(&frame);
    item->SetCaption(caption);
    item->OnClick = [&clicked, item](const ui::Event&) { clicked.push_back(item->Caption()); };
    menu.Add(item);
  }
  menu.Popup({300, 400});
  const sim::SimWindow* list = OpenList(*sim);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(300, list->bounds.left);
  EXPECT_EQ(400, list->bounds.top);
  ui::PopupList probe;
  sim->Click(list->handle, 5, 1 + probe.ItemHeight() + 2);
  EXPECT_EQ(std::vector<std::wstring>{L"Cerrar"}, clicked);
  EXPECT_FALSE(menu.IsOpen());
}

TEST_F(ComboMenuTest, TranslationReachesItemsAndMakesAdvancedCombosOwnerDrawn) {
  auto* context = new testbed::ApplicationContext;
  auto* dictionary = new testbed::Dictionary;
  auto* translator = new testbed::TranslatorManager(dictionary);
  dictionary->Add(L"Uno", L"One");
  dictionary->Add(L"Abrir", L"Open");
  dictionary->Add(L"Reciente", L"Recent");
  dictionary->Add(L"Dos", L"Two");
  context->Register(progid::TranslatorManager, translator);
  CZYMUtils utils;
  utils.Initialize(CZYMUtils::kAlertClient, context);

  auto* advanced = new ui::AdvComboBox(&frame);
  advanced->SetItems({L"Dos\r\n", L"Nada"});
  auto* menu = new ui::MainMenu(&frame);
  auto* open = new ui::MenuItem(&frame);
  open->SetCaption(L"Abrir");
  auto* recent = new ui::MenuItem(&frame);
  recent->SetCaption(L"Reciente");
  auto* deeper = new ui::MenuItem(&frame);
  deeper->SetCaption(L"Uno");
  recent->Add(deeper);
  open->Add(recent);
  menu->Add(open);

  TranslateComponents(utils, &frame);
  EXPECT_EQ((std::vector<std::wstring>{L"One", L"Two", L"Tres"}), combo->Items());
  EXPECT_EQ(ui::ComboStyle::DropDownList, combo->Style());
  EXPECT_EQ((std::vector<std::wstring>{L"Two\r\n", L"Nada"}), advanced->Items());
  EXPECT_EQ(ui::ComboStyle::OwnerDrawVariable, advanced->Style());
  EXPECT_EQ(L"Open", open->Caption());
  EXPECT_EQ(L"Recent", recent->Caption());
  EXPECT_EQ(L"One", deeper->Caption()) << "sub-items, depth first";

  translator->Release();
  dictionary->Release();
  context->Release();
}

}  // namespace
}  // namespace kxua
