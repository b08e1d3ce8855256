#include "ui/menu.h"

namespace kxua::ui {

void PopupMenu::Popup(platform::Point screenPoint) {
  if (!list_) list_ = std::make_unique<PopupList>();
  std::vector<std::wstring> captions;
  for (const MenuItem* item : Items()) captions.push_back(item->Caption());
  list_->Open(std::move(captions), screenPoint, 0, [this](int index) {
    MenuItem* item = Items()[static_cast<std::size_t>(index)];
    Event event;
    event.sender = item;
    if (item->OnClick) item->OnClick(event);
  });
}

}  // namespace kxua::ui
