// Menus: items with captions and sub-items. A main menu belongs to a form (the
// toasts are borderless and keep theirs empty); a popup menu shows its top-level
// items in a list at a point of the screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/popup_list.h"

namespace kxua::ui {

class MenuItem final : public Component {
 public:
  explicit MenuItem(Component* owner) : Component(owner) {}
  std::wstring ClassName() const override { return L"TMenuItem"; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption) { caption_ = caption; }
  // Sub-items in order; each is owned by the item's owner, as the runtime does.
  const std::vector<MenuItem*>& Items() const { return items_; }
  void Add(MenuItem* item) { items_.push_back(item); }

  EventHandler OnClick;

 private:
  std::wstring caption_;
  std::vector<MenuItem*> items_;
};

class Menu : public Component {
 public:
  const std::vector<MenuItem*>& Items() const { return items_; }
  void Add(MenuItem* item) { items_.push_back(item); }

 protected:
  explicit Menu(Component* owner) : Component(owner) {}

 private:
  std::vector<MenuItem*> items_;
};

class MainMenu final : public Menu {
 public:
  explicit MainMenu(Component* owner) : Menu(owner) {}
  std::wstring ClassName() const override { return L"TMainMenu"; }
};

class PopupMenu final : public Menu {
 public:
  explicit PopupMenu(Component* owner) : Menu(owner) {}
  std::wstring ClassName() const override { return L"TPopupMenu"; }

  // Lists the top-level items at `screenPoint`; a pick fires that item's OnClick.
  void Popup(platform::Point screenPoint);
  bool IsOpen() const { return list_ && list_->IsOpen(); }

 private:
  std::unique_ptr<PopupList> list_;
};

}  // namespace kxua::ui
