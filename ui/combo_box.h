// A drop-down list: shows the chosen item and, when clicked, drops the list of its
// items below itself. TAdvComboBox is the same control under the advanced class
// name; translation switches it to owner-drawn items.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/popup_list.h"

namespace kxua::ui {

enum class ComboStyle {
  DropDownList = 2,
  OwnerDrawVariable = 4,  // each item drawn by the control, heights may differ
};

class ComboBox : public Control {
 public:
  static constexpr int kButtonWidth = 16;

  explicit ComboBox(Component* owner) : Control(owner) {}
  std::wstring ClassName() const override { return L"TComboBox"; }

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(std::vector<std::wstring> items);
  // -1 when nothing is chosen.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  std::wstring Text() const;

  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);

  bool DroppedDown() const { return list_ && list_->IsOpen(); }
  // Drops the list below the control; a pick sets ItemIndex and fires OnChange.
  void DropDown();

  EventHandler OnChange;

 protected:
  void Paint(platform::Canvas& canvas, const Rect& bounds) override;
  // A click drops the list, or folds it when it is down.
  void Click(Point point) override;

 private:
  // The item as owner drawing draws it: the rectangle filled, the text at its
  // top-left with the default text flags.
  void DrawItem(platform::Canvas& canvas, const Rect& rect, int index, bool selected);

  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
  ComboStyle style_ = ComboStyle::DropDownList;
  std::unique_ptr<PopupList> list_;
};

class AdvComboBox final : public ComboBox {
 public:
  explicit AdvComboBox(Component* owner) : ComboBox(owner) {}
  std::wstring ClassName() const override { return L"TAdvComboBox"; }
};

}  // namespace kxua::ui
