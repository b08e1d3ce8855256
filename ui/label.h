// A text label: one or more lines in the label's font, aligned in its rectangle,
// optionally wrapped at words and shortened with an ellipsis; it sizes itself to its
// text while AutoSize is on (the default), keeping its width when it wraps.
#pragma once

#include <cstdint>

#include "ui/control.h"

namespace kxua::ui {

enum class TextAlignment { Left, Right, Center };
enum class VerticalLayout { Top, Center, Bottom };
enum class EllipsisPosition { None, End, Path };

class Label : public Control {
 public:
  explicit Label(Component* owner);

  std::wstring ClassName() const override { return L"TLabel"; }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  EllipsisPosition Ellipsis() const { return ellipsis_; }
  void SetEllipsis(EllipsisPosition position);
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment);
  VerticalLayout Layout() const { return layout_; }
  void SetLayout(VerticalLayout layout);
  // A transparent label (the default) shows its parent behind the text.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

  // As the runtime's labels show their captions: "&&" shows one "&", and a single
  // "&" marks the next character as the access key and is not shown. Off, the
  // caption shows as it is.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool on);
  // The caption as the label shows it.
  std::wstring DisplayText() const;

  // The text_format flags the label draws with.
  std::uint32_t Format() const;
  void Paint(platform::Canvas& canvas, const Rect& bounds) override;

 protected:
  Size PreferredSize(int width, int height) override;

 private:
  void Refit();

  bool wordWrap_ = false;
  EllipsisPosition ellipsis_ = EllipsisPosition::None;
  TextAlignment alignment_ = TextAlignment::Left;
  VerticalLayout layout_ = VerticalLayout::Top;
  bool transparent_ = true;
  bool showAccelChar_ = true;
};

}  // namespace kxua::ui
