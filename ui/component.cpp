#include "ui/component.h"

#include <algorithm>
#include <cwctype>

namespace kxua::ui {

namespace {
bool SameName(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towlower(x) == std::towlower(y);
         });
}
}  // namespace

Component::Component(Component* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

Component::~Component() {
  DestroyComponents();
  if (owner_ != nullptr) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Component::DestroyComponents() {
  destroying_ = true;
  while (!components_.empty()) delete components_.back();  // each one unlinks itself
}

Component* Component::FindComponent(const std::wstring& name) const {
  for (Component* component : components_)
    if (SameName(component->Name(), name)) return component;
  return nullptr;
}

}  // namespace kxua::ui
