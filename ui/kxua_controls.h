// Stand-ins for the visual controls of the product's controls package: the PNG
// picture box, the skinned close button, the image/colour button and the
// transparent auto-sizing panel.
#pragma once

#include <array>
#include <optional>

#include "ui/control.h"
#include "ui/kxua_resources.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace kxua::ui {

// A picture by resource id from a resource path, centred at its own size over an
// optional background, with an optional border drawn at an opacity.
class KXUAPaintBoxPngLux : public Control {
 public:
  explicit KXUAPaintBoxPngLux(Component* owner) : Control(owner) {}

  std::wstring ClassName() const override { return L"TKXUAPaintBoxPngLux"; }

  int ResourceID() const { return resourceId_; }
  // Changes the picture at run time.
  void SetResourceID(int id);
  KXUAResourcePath* PathModule() const { return pathModule_; }
  void SetPathModule(KXUAResourcePath* path);
  void SetResName(const std::wstring& name) { resName_ = name; }
  void SetBackColor(Color color);
  // A colour set whose up colour fills the background (it wins over BackColor).
  void SetBackColors(KXUAColors* colors);
  void SetBorderVisible(bool on);
  void SetBorderWidth(int width);
  void SetBorderOpacity(std::uint8_t opacity);
  void SetBorderColor(Color color);
  // The colour the picture format treats as see-through; the decoded pictures carry
  // their own alpha, so it is kept for the layouts' sake only.
  void SetTransparentColorValue(Color color) { transparentColor_ = color; }

  std::shared_ptr<const platform::Bitmap> Picture() const;
  void Paint(platform::Canvas& canvas, const Rect& bounds) override;

 private:
  int resourceId_ = -1;
  KXUAResourcePath* pathModule_ = nullptr;
  std::wstring resName_ = L"PNG";
  std::optional<Color> backColor_;
  KXUAColors* backColors_ = nullptr;
  bool borderVisible_ = false;
  int borderWidth_ = 1;
  std::uint8_t borderOpacity_ = 255;
  Color borderColor_ = kBlack;
  Color transparentColor_ = kBlack;
};

// The states of the skinned button, as its colour setters number them.
enum class SkinState { Normal = 0, Over = 1, Down = 2, Disabled = 3 };

// A flat text button (the toasts' close "x"): its background and caption colours
// follow the mouse.
class KXUAButtonSkin : public Control {
 public:
  explicit KXUAButtonSkin(Component* owner);

  std::wstring ClassName() const override { return L"TKXUAButtonSkin"; }

  // `selector` is a SkinState; other values change nothing.
  void SetBkGndColor(int selector, Color color);
  void SetFontColor(int selector, Color color);
  // The colours set for `state`; nothing where the state shows the default.
  std::optional<Color> BkGndColorOf(SkinState state) const { return background_[static_cast<std::size_t>(state)]; }
  std::optional<Color> FontColorOf(SkinState state) const { return font_[static_cast<std::size_t>(state)]; }
  void SetFillColor(Color color);
  void SetBorderColor(Color color);
  void SetAlignment(TextAlignment alignment);
  void SetTransparent(bool on);
  SkinState State() const;

  void Paint(platform::Canvas& canvas, const Rect& bounds) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(const Event& event) override;
  void MouseUp(const Event& event) override;

 private:
  std::array<std::optional<Color>, 4> background_;
  std::array<std::optional<Color>, 4> font_;
  std::optional<Color> fill_;
  std::optional<Color> border_;
  TextAlignment alignment_ = TextAlignment::Center;
  bool transparent_ = false;
  bool over_ = false;
  bool down_ = false;
};

// The action button: a face image per state (Fondo) or a colour set (BackColors)
// with an opacity per state, optional borders and a centred caption.
class KXUAButtonLuxEx : public Control {
 public:
  struct Border {
    bool visible = false;
    int width = 1;
  };

  explicit KXUAButtonLuxEx(Component* owner);

  std::wstring ClassName() const override { return L"TKXUAButtonLuxEx"; }

  void SetBackColors(KXUAColors* colors);
  void SetFondo(KXUAImagesPngLuxEx* images);
  void SetFontColorDisable(Color color);
  void SetOuterBorder(const Border& border);
  void SetInnerBorder(const Border& border);
  const Border& OuterBorder() const { return outer_; }
  const Border& InnerBorder() const { return inner_; }
  // With an active text area the caption is placed in (0, 0, Right, Bottom) of the
  // button; Right and Bottom of 0 mean the button's edge.
  struct TextArea {
    TextAlignment alignment = TextAlignment::Center;
    VerticalLayout layout = VerticalLayout::Center;
    int right = 0;
    int bottom = 0;
  };
  void SetActiveAreaText(bool on);
  const TextArea& AreaText() const { return area_; }
  void SetAreaText(const TextArea& area);
  ButtonFace Face() const;
  void SetEnabled(bool enabled) override;

  void Paint(platform::Canvas& canvas, const Rect& bounds) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(const Event& event) override;
  void MouseUp(const Event& event) override;

 private:
  KXUAColors* backColors_ = nullptr;
  KXUAImagesPngLuxEx* fondo_ = nullptr;
  Color fontColorDisable_ = 0x00A0A0A0;
  Border outer_;
  Border inner_;
  bool activeAreaText_ = false;
  TextArea area_;
  bool over_ = false;
  bool down_ = false;
};

// A panel that shows what is behind it and sizes itself to its children.
class KXUATransPanel : public Panel {
 public:
  explicit KXUATransPanel(Component* owner);

  std::wstring ClassName() const override { return L"TKXUATransPanel"; }
};

}  // namespace kxua::ui
