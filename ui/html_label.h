// A label that shows markup (see html_markup.h): mixed bold and sized text, centred
// paragraphs, rules and anchors. Anchors are drawn in the URL colour, underlined,
// with the hand cursor; they raise OnAnchorEnter, OnAnchorExit and OnAnchorClick
// with their target.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/html_markup.h"

namespace kxua::ui {

// One run of text laid out on a line, in window-independent label coordinates.
struct HtmlFragment {
  std::wstring text;
  Rect rect;
  platform::Font font;
  Color color = 0;
  int anchor = -1;
};

struct HtmlRule {
  int top = 0;
  int left = 0;
  int right = 0;
};

struct HtmlLayout {
  std::vector<HtmlFragment> fragments;
  std::vector<HtmlRule> rules;
  Size size;  // of the text block
};

class HtmlLabel : public Control {
 public:
  static constexpr int kRuleHeight = 8;  // a rule's line, with space above and below
  static constexpr wchar_t kEllipsis[] = L"...";

  explicit HtmlLabel(Component* owner);

  std::wstring ClassName() const override { return L"THTMLabel"; }

  const std::wstring& HTMLText() const { return html_; }
  void SetHTMLText(const std::wstring& html);
  // Sizes the label to its text: the height, and the width too when not wrapping.
  bool AutoSizing() const { return AutoSize(); }
  void SetAutoSizing(bool on) { SetAutoSize(on); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // Text that does not fit ends with "..." instead of being cut off.
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool on);
  // Anchors under the mouse are drawn in the hover colour.
  bool Hover() const { return hover_; }
  void SetHover(bool on) { hover_ = on; }
  Color URLColor() const { return urlColor_; }
  void SetURLColor(Color color);
  Color HoverFontColor() const { return hoverFontColor_.value_or(urlColor_); }
  void SetHoverFontColor(Color color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  enum class VAlign { Top, Center, Bottom };
  VAlign GetVAlignment() const { return valign_; }
  void SetVAlignment(VAlign align);

  EventHandler OnAnchorClick;
  EventHandler OnAnchorEnter;
  EventHandler OnAnchorExit;

  // The text laid out for the label's current size, in label coordinates.
  HtmlLayout Layout() const;
  // The target of the anchor at `point`, if one is there.
  std::optional<std::wstring> AnchorAt(Point point) const;

  void Paint(platform::Canvas& canvas, const Rect& bounds) override;
  platform::Cursor CursorAt(Point point) override;
  void MouseMove(Point point) override;
  void MouseLeave() override;
  void Click(Point point) override;

 protected:
  Size PreferredSize(int width, int height) override;

 private:
  HtmlLayout LayOut(int width, int height, bool forSize) const;
  int AnchorIndexAt(Point point) const;

  std::wstring html_;
  HtmlDocument doc_;
  bool wordWrap_ = true;
  bool ellipsis_ = false;
  bool hover_ = false;
  Color urlColor_ = 0x00FF0000;  // blue
  std::optional<Color> hoverFontColor_;
  bool transparent_ = true;
  VAlign valign_ = VAlign::Top;
  int hoveredAnchor_ = -1;
};

}  // namespace kxua::ui
