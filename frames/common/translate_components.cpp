#include "frames/common/translate_components.h"

#include <set>

#include "model/text_utils.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/html_label.h"
#include "ui/menu.h"

namespace kxua {

using ui::ComboBox;
using ui::ComboStyle;
using ui::Component;
using ui::Control;
using ui::HtmlLabel;
using ui::Menu;
using ui::MenuItem;

namespace {

// The whole text: a long caption is not cut to a fixed buffer on its way through.
void TranslateText(CZYMUtils& utils, Control& control) {
  control.SetCaption(utils.Translate(control.Caption()));
}

void TranslateItems(CZYMUtils& utils, ComboBox& combo) {
  std::vector<std::wstring> items = combo.Items();
  for (std::wstring& item : items) item = TranslateMultiline(utils, item);
  combo.SetItems(std::move(items));
  // The advanced combo box draws its items itself from then on.
  if (combo.ClassName() == L"TAdvComboBox") combo.SetStyle(ComboStyle::OwnerDrawVariable);
}

// The caption, then the sub-items, depth first.
void TranslateMenuItem(CZYMUtils& utils, MenuItem& item) {
  item.SetCaption(utils.Translate(item.Caption()));
  for (MenuItem* sub : item.Items()) TranslateMenuItem(utils, *sub);
}

}  // namespace

void TranslateComponents(CZYMUtils& utils, Component* root) {
  if (root == nullptr) return;
  if (auto* control = dynamic_cast<Control*>(root)) TranslateText(utils, *control);
  static const std::set<std::wstring> kCaptionClasses = {
      L"THTMLRadioButton", L"TAdvSmoothTabPage", L"TAdvOfficeRadioButton", L"THTMLCheckBox"};
  static const std::set<std::wstring> kKeptClasses = {L"TEdit", L"TMemo", L"TListBox"};
  const std::vector<Component*> owned = root->Components();
  for (Component* component : owned) {
    const std::wstring className = component->ClassName();
    if (auto* menu = dynamic_cast<Menu*>(component))
      for (MenuItem* item : menu->Items()) TranslateMenuItem(utils, *item);
    auto* control = dynamic_cast<Control*>(component);
    if (control == nullptr) continue;
    if (kCaptionClasses.count(className) != 0) {
      control->SetCaption(utils.Translate(control->Caption()));
    } else if (className == L"THTMLabel") {
      if (auto* label = dynamic_cast<HtmlLabel*>(component))
        label->SetHTMLText(TranslateMultiline(utils, label->HTMLText()));
    } else if (className == L"TComboBox" || className == L"TAdvComboBox") {
      if (auto* combo = dynamic_cast<ComboBox*>(component)) TranslateItems(utils, *combo);
    } else if (kKeptClasses.count(className) == 0) {
      TranslateText(utils, *control);
    }
  }
}

}  // namespace kxua
