// Components as the runtime knows them: an owner that destroys what it owns, a name
// unique among the owner's components, and a class name that the layouts and the
// translation rules refer to.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kxua::ui {

class Component;

enum class MouseButton { Left, Right };

// What an event handler learns: who raised it and, for the mouse, where (in the
// sender's coordinates) and with which button; for links, the anchor's target.
struct Event {
  Component* sender = nullptr;
  platform::Point point;
  MouseButton button = MouseButton::Left;
  std::wstring anchor;
  const platform::Message* message = nullptr;  // OnMessage: the message to be dispatched
};

// Every event has this one shape, so that layouts can wire any handler by name.
using EventHandler = std::function<void(const Event&)>;

// A handler that calls `member` of `object`, for handlers that need no event data.
template <typename T>
EventHandler MemberHandler(T* object, void (T::*member)()) {
  return [object, member](const Event&) { (object->*member)(); };
}

class Component {
 public:
  // `owner` (may be null) takes ownership: it destroys this component with itself.
  explicit Component(Component* owner = nullptr);
  // Destroys the owned components, the newest first.
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  virtual std::wstring ClassName() const = 0;

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name) { name_ = name; }
  Component* Owner() const { return owner_; }
  // In creation order.
  const std::vector<Component*>& Components() const { return components_; }
  // The owned component of that name (case-insensitive, as the runtime); null if none.
  Component* FindComponent(const std::wstring& name) const;
  // True once this component or its owner started destroying what it owns: no
  // layout or event work is worth doing any more.
  bool Destroying() const { return destroying_ || (owner_ != nullptr && owner_->Destroying()); }
  template <typename T>
  T* Find(const std::wstring& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

 protected:
  // Destroys the owned components now, the newest first. Derived destructors call it
  // before their own state goes, as the owned components may still refer to it.
  void DestroyComponents();

 private:
  Component* owner_;
  std::wstring name_;
  std::vector<Component*> components_;
  bool destroying_ = false;
};

}  // namespace kxua::ui
