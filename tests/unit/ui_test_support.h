// Shared pieces of the toolkit tests: a frame with a layout loaded on the
// simulation, and short ways to look at geometry and display lists.
#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "tests/layouts/layouts.h"
#include "ui/frame.h"
#include "ui/layout.h"

namespace kxua::platform {
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
}  // namespace kxua::platform

namespace kxua::test {

// A frame whose class is the one its layout names.
class LayoutFrame final : public ui::Frame {
 public:
  LayoutFrame(std::wstring className, platform::WindowHandle parent)
      : ui::Frame(nullptr, parent), className_(std::move(className)) {}
  std::wstring ClassName() const override { return className_; }

 private:
  std::wstring className_;
};

// Handlers that record which of them ran, for any name a layout gives.
struct HandlerLog {
  std::vector<std::string> calls;
  std::vector<ui::Event> events;
  ui::HandlerLookup Lookup() {
    return [this](const std::string& name) -> ui::EventHandler {
      return [this, name](const ui::Event& event) {
        calls.push_back(name);
        events.push_back(event);
      };
    };
  }
};

// Loads the sample layout `name` into a shown frame.
inline std::unique_ptr<LayoutFrame> LoadSample(const std::string& name, HandlerLog& log) {
  const ui::LayoutSource source = TestLayout(name);
  const ui::LayoutRoot root = ui::ReadLayoutRoot(source);
  auto frame = std::make_unique<LayoutFrame>(std::wstring(root.className.begin(), root.className.end()), 0);
  ui::LoadLayout(source, *frame, log.Lookup());
  return frame;
}

template <typename T = ui::Control>
T& Get(const ui::Component& root, const wchar_t* name) {
  T* found = root.Find<T>(name);
  if (found == nullptr) throw std::runtime_error("no such component");
  return *found;
}

inline std::vector<const sim::DisplayItem*> Texts(const std::vector<sim::DisplayItem>& list) {
  std::vector<const sim::DisplayItem*> texts;
  for (const sim::DisplayItem& item : list)
    if (item.kind == sim::DisplayItem::Kind::Text) texts.push_back(&item);
  return texts;
}

// The first text item that shows `text`; null when none does.
inline const sim::DisplayItem* FindText(const std::vector<sim::DisplayItem>& list,
                                        const std::wstring& text) {
  for (const sim::DisplayItem& item : list)
    if (item.kind == sim::DisplayItem::Kind::Text && item.text == text) return &item;
  return nullptr;
}

}  // namespace kxua::test
