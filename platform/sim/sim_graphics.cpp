// Painting into display lists, window transparency and scripted mouse input of the
// simulation.
#include <algorithm>

#include "platform/sim/sim_platform.h"
#include "platform/text_layout.h"

namespace kxua::sim {

namespace {

DisplayItem Item(DisplayItem::Kind kind, const Rect& rect, platform::Color color = 0) {
  DisplayItem item;
  item.kind = kind;
  item.rect = rect;
  item.color = color;
  return item;
}

std::intptr_t PackPoint(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                    static_cast<std::uint32_t>(x & 0xFFFF));
}

// Records what is drawn instead of drawing it.
class RecordingCanvas final : public platform::Canvas {
 public:
  RecordingCanvas(SimPlatform& sim, std::vector<DisplayItem>& list, const Rect& client)
      : sim_(sim), list_(list), clips_{client} {}

  void FillRect(const Rect& rect, platform::Color color) override {
    Add(Item(DisplayItem::Kind::Fill, rect, color));
  }
  void FrameRect(const Rect& rect, platform::Color color, int width) override {
    DisplayItem item = Item(DisplayItem::Kind::Frame, rect, color);
    item.penWidth = width;
    Add(item);
  }
  void Line(platform::Point from, platform::Point to, platform::Color color) override {
    Add(Item(DisplayItem::Kind::Line, {from.x, from.y, to.x, to.y}, color));
  }
  void DrawText(const Rect& rect, const platform::Font& font, platform::Color color,
                const std::wstring& text, std::uint32_t format) override {
    auto measure = [&](const std::wstring& s) { return sim_.MeasureText(font, s); };
    for (platform::TextLine& line : platform::LayoutText(measure, text, rect, format)) {
      if (line.text.empty()) continue;
      DisplayItem item = Item(DisplayItem::Kind::Text,
                              {line.origin.x, line.origin.y, line.origin.x + line.width,
                               line.origin.y + SimPlatform::LineHeight(font)},
                              color);
      item.font = font;
      item.text = std::move(line.text);
      Add(item);
    }
  }
  void DrawBitmap(const Rect& rect, const platform::Bitmap& bitmap,
                  std::uint8_t opacity) override {
    DisplayItem item = Item(DisplayItem::Kind::Picture, rect);
    item.bitmap = &bitmap;
    item.opacity = opacity;
    Add(item);
  }
  void PushClip(const Rect& rect) override { clips_.push_back(Intersect(clips_.back(), rect)); }
  void PopClip() override {
    if (clips_.size() > 1) clips_.pop_back();
  }

 private:
  void Add(DisplayItem item) {
    item.clip = clips_.back();
    list_.push_back(std::move(item));
  }

  SimPlatform& sim_;
  std::vector<DisplayItem>& list_;
  std::vector<Rect> clips_;
};

}  // namespace

void SimPlatform::Invalidate(WindowHandle window) {
  if (SimWindow* w = Live(window)) w->invalid = true;
}

void SimPlatform::RedrawNow(WindowHandle window) {
  // Parents paint before their children, as the system orders it; nothing inside a
  // hidden window paints.
  std::vector<WindowHandle> family;
  if (const SimWindow* w = Live(window); w != nullptr && w->visible) family.push_back(window);
  for (std::size_t i = 0; i < family.size(); ++i)
    for (auto& [handle, w] : windows_)
      if (w.parent == family[i] && w.visible) family.push_back(handle);
  for (WindowHandle handle : family) {
    SimWindow* w = Live(handle);
    if (w == nullptr) continue;
    w->invalid = false;
    DispatchMessage({handle, platform::msg::Paint, 0, 0});
  }
}

void SimPlatform::PaintWindow(WindowHandle window,
                              const std::function<void(platform::Canvas&)>& paint) {
  SimWindow* w = Live(window);
  if (w == nullptr) return;
  std::vector<DisplayItem> list;
  RecordingCanvas canvas(*this, list, {0, 0, w->bounds.Width(), w->bounds.Height()});
  paint(canvas);
  if ((w = Live(window)) != nullptr) w->displayList = std::move(list);
}

const std::vector<DisplayItem>& SimPlatform::DisplayList(WindowHandle window) const {
  static const std::vector<DisplayItem> kNone;
  const SimWindow* w = FindWindow(window);
  return w != nullptr ? w->displayList : kNone;
}

bool SimPlatform::TakePaint(Message& message) {
  for (auto& [handle, w] : windows_) {
    if (!w.invalid) continue;
    // Like the system, hidden windows (or windows inside hidden ones) wait.
    bool shown = true;
    for (const SimWindow* v = &w; v != nullptr && shown; v = FindWindow(v->parent)) {
      shown = v->visible;
      if (v->parent == 0) break;
    }
    if (!shown) continue;
    w.invalid = false;
    message = {handle, platform::msg::Paint, 0, 0};
    return true;
  }
  return false;
}

void SimPlatform::PaintPending() {
  Message message;
  while (TakePaint(message)) DispatchMessage(message);
}

void SimPlatform::SetAlpha(WindowHandle window, bool enabled, std::uint8_t alpha) {
  if (SimWindow* w = Live(window)) {
    w->alphaEnabled = enabled;
    w->alpha = alpha;
    if (enabled)
      w->exStyle |= platform::exstyle::Layered;
    else
      w->exStyle &= ~platform::exstyle::Layered;
  }
}

void SimPlatform::TrackMouseLeave(WindowHandle window) {
  if (SimWindow* w = Live(window)) w->tracksLeave = true;
}

void SimPlatform::SetCapture(WindowHandle window) {
  const WindowHandle lost = capture_;
  capture_ = window;
  if (lost != 0 && lost != window) DispatchMessage({lost, platform::msg::CaptureChanged, 0, 0});
}

platform::Point SimPlatform::ClientToScreen(WindowHandle window, platform::Point point) {
  for (const SimWindow* w = Live(window); w != nullptr; w = Live(w->parent)) {
    point.x += w->bounds.left;
    point.y += w->bounds.top;
    if (w->parent == 0) break;
  }
  return point;
}

void SimPlatform::MouseMessage(WindowHandle window, std::uint32_t id, int x, int y) {
  // A captured mouse talks to the capturing window, in its coordinates.
  if (capture_ != 0 && capture_ != window && Live(capture_) != nullptr) {
    const platform::Point screen = ClientToScreen(window, {x, y});
    const platform::Point origin = ClientToScreen(capture_, {0, 0});
    window = capture_;
    x = screen.x - origin.x;
    y = screen.y - origin.y;
  }
  if (mouseWindow_ != window) {
    SimWindow* left = Live(mouseWindow_);
    if (left != nullptr && left->tracksLeave) {
      left->tracksLeave = false;
      DispatchMessage({mouseWindow_, platform::msg::MouseLeave, 0, 0});
    }
    mouseWindow_ = window;
  }
  if (Live(window) == nullptr) return;
  DispatchMessage({window, platform::msg::SetCursor, window, 1 /* client area */});
  DispatchMessage({window, id, 0, PackPoint(x, y)});
}

void SimPlatform::MouseMove(WindowHandle window, int x, int y) {
  MouseMessage(window, platform::msg::MouseMove, x, y);
}

void SimPlatform::MouseDown(WindowHandle window, int x, int y) {
  MouseMessage(window, platform::msg::LeftButtonDown, x, y);
}

void SimPlatform::MouseUp(WindowHandle window, int x, int y) {
  MouseMessage(window, platform::msg::LeftButtonUp, x, y);
}

void SimPlatform::Click(WindowHandle window, int x, int y) {
  MouseMove(window, x, y);
  MouseDown(window, x, y);
  MouseUp(window, x, y);
}

}  // namespace kxua::sim
