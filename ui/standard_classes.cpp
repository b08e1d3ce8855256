// The toolkit's classes as layouts name them, with their property tables.
#include <limits>

#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/combo_box.h"
#include "ui/html_label.h"
#include "ui/menu.h"
#include "ui/kxua_controls.h"
#include "ui/kxua_resources.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/timer_component.h"

namespace kxua::ui {

namespace {

using Json = LayoutValue;

template <typename T>
T& As(Component& component) {
  return static_cast<T&>(component);
}

int Int(const Json& value) {
  if (!value.is_number_integer()) throw PropertyError("expects a whole number");
  const auto number = value.get<std::int64_t>();
  if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
    throw PropertyError("the number is out of range");
  return static_cast<int>(number);
}

int IntIn(const Json& value, int low, int high) {
  const int number = Int(value);
  if (number < low || number > high)
    throw PropertyError("expects a number from " + std::to_string(low) + " to " + std::to_string(high));
  return number;
}

bool Bool(const Json& value) {
  if (!value.is_boolean()) throw PropertyError("expects true or false");
  return value.get<bool>();
}

std::string Name(const Json& value) {
  if (!value.is_string()) throw PropertyError("expects a name");
  return value.get<std::string>();
}

std::wstring Text(const Json& value) {
  if (!value.is_string()) throw PropertyError("expects text");
  return WideFromUtf8(value.get<std::string>());
}

// A colour as a number (0x00BBGGRR; the top byte, the runtime's palette flag, is
// dropped) or one of the runtime's colour names.
Color ColorOf(const Json& value) {
  static const std::map<std::string, Color> kNames = {
      {"clBlack", 0x000000}, {"clWhite", 0xFFFFFF}, {"clRed", 0x0000FF}, {"clGreen", 0x008000},
      {"clBlue", 0xFF0000}, {"clGray", 0x808080}, {"clSilver", 0xC0C0C0}, {"clNavy", 0x800000},
      {"clWindow", 0xFFFFFF}, {"clWindowText", 0x000000}, {"clBtnFace", 0xF0F0F0},
      {"clInfoBk", 0xE1FFFF}};
  if (value.is_string()) {
    auto it = kNames.find(value.get<std::string>());
    if (it == kNames.end()) throw PropertyError("unknown colour " + value.get<std::string>());
    return it->second;
  }
  if (!value.is_number_integer()) throw PropertyError("expects a colour");
  return static_cast<Color>(value.get<std::int64_t>()) & 0x00FFFFFF;
}

template <typename E>
E EnumOf(const Json& value, const std::map<std::string, E>& names) {
  const std::string name = Name(value);
  auto it = names.find(name);
  if (it == names.end()) throw PropertyError("unknown value " + name);
  return it->second;
}

// {"fsBold", "fsItalic", "fsUnderline"} in any combination.
void StyleOf(const Json& value, platform::Font& font) {
  if (!value.is_array()) throw PropertyError("expects a list of styles");
  font.bold = font.italic = font.underline = false;
  for (const Json& style : value) {
    const std::string name = Name(style);
    if (name == "fsBold") font.bold = true;
    else if (name == "fsItalic") font.italic = true;
    else if (name == "fsUnderline") font.underline = true;
    else throw PropertyError("unknown font style " + name);
  }
}

template <typename T>
T& Ref(LayoutContext& context, const Json& value, const char* what) {
  Component& component = context.Resolve(Name(value));
  auto* typed = dynamic_cast<T*>(&component);
  if (typed == nullptr) throw PropertyError(Name(value) + " is not a " + what);
  return *typed;
}

const std::map<std::string, TextAlignment> kAlignments = {
    {"taLeftJustify", TextAlignment::Left}, {"taRightJustify", TextAlignment::Right},
    {"taCenter", TextAlignment::Center}};
const std::map<std::string, VerticalLayout> kLayouts = {
    {"tlTop", VerticalLayout::Top}, {"tlCenter", VerticalLayout::Center},
    {"tlBottom", VerticalLayout::Bottom}};

PropertySetter Event(EventHandler Control::*member) {
  return [member](Component& c, const Json& v, LayoutContext& context) {
    As<Control>(c).*member = context.Handler(Name(v));
  };
}

void SetFont(Control& control, const std::function<void(platform::Font&)>& change) {
  platform::Font font = control.Font();
  change(font);
  control.SetFont(font);
}

PropertyTable ControlProperties() {
  PropertyTable t;
  t["Left"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetLeft(Int(v)); };
  t["Top"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetTop(Int(v)); };
  t["Width"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetWidth(Int(v)); };
  t["Height"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetHeight(Int(v)); };
  t["Align"] = [](Component& c, const Json& v, LayoutContext&) {
    As<Control>(c).SetAlign(EnumOf<Align>(v, {{"alNone", Align::None}, {"alTop", Align::Top},
                                              {"alBottom", Align::Bottom}, {"alLeft", Align::Left},
                                              {"alRight", Align::Right}, {"alClient", Align::Client}}));
  };
  t["AlignWithMargins"] = [](Component& c, const Json& v, LayoutContext&) {
    As<Control>(c).SetAlignWithMargins(Bool(v));
  };
  for (const char* side : {"Left", "Top", "Right", "Bottom"}) {
    const std::string s = side;
    auto pick = [s](Spacing& spacing) -> int& {
      return s == "Left" ? spacing.left : s == "Top" ? spacing.top : s == "Right" ? spacing.right : spacing.bottom;
    };
    t["Margins." + s] = [pick](Component& c, const Json& v, LayoutContext&) {
      Spacing m = As<Control>(c).Margins();
      pick(m) = IntIn(v, 0, 10000);
      As<Control>(c).SetMargins(m);
    };
    t["Padding." + s] = [pick](Component& c, const Json& v, LayoutContext&) {
      Spacing p = As<Control>(c).Padding();
      pick(p) = IntIn(v, 0, 10000);
      As<Control>(c).SetPadding(p);
    };
  }
  t["Anchors"] = [](Component& c, const Json& v, LayoutContext&) {
    if (!v.is_array()) throw PropertyError("expects a list of anchors");
    std::uint8_t anchors = 0;
    for (const Json& a : v)
      anchors |= EnumOf<std::uint8_t>(a, {{"akLeft", anchor::Left}, {"akTop", anchor::Top},
                                          {"akRight", anchor::Right}, {"akBottom", anchor::Bottom}});
    As<Control>(c).SetAnchors(anchors);
  };
  t["AutoSize"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetAutoSize(Bool(v)); };
  for (const char* limit : {"MinWidth", "MinHeight", "MaxWidth", "MaxHeight"}) {
    const std::string l = limit;
    t["Constraints." + l] = [l](Component& c, const Json& v, LayoutContext&) {
      SizeConstraints k = As<Control>(c).Constraints();
      const int n = IntIn(v, 0, 100000);
      (l == "MinWidth" ? k.minWidth : l == "MinHeight" ? k.minHeight : l == "MaxWidth" ? k.maxWidth : k.maxHeight) = n;
      As<Control>(c).SetConstraints(k);
    };
  }
  // Every frame paints its controls double-buffered already; layouts still say so.
  t["DoubleBuffered"] = [](Component&, const Json& v, LayoutContext&) { Bool(v); };
  t["Visible"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetVisible(Bool(v)); };
  t["Enabled"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetEnabled(Bool(v)); };
  t["Color"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetColor(ColorOf(v)); };
  t["ParentColor"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetParentColor(Bool(v)); };
  t["ParentFont"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetParentFont(Bool(v)); };
  t["Font.Name"] = [](Component& c, const Json& v, LayoutContext&) {
    const std::wstring name = Text(v);
    SetFont(As<Control>(c), [&](platform::Font& f) { f.name = name; });
  };
  t["Font.Height"] = [](Component& c, const Json& v, LayoutContext&) {
    const int height = IntIn(v, -1000, 1000);
    SetFont(As<Control>(c), [&](platform::Font& f) { f.height = height; });
  };
  t["Font.Size"] = [](Component& c, const Json& v, LayoutContext&) {
    // Points at the screen's 96 pixels per inch, as the runtime stores them.
    const int points = IntIn(v, 1, 500);
    SetFont(As<Control>(c), [&](platform::Font& f) { f.height = -(points * 96 + 36) / 72; });
  };
  t["Font.Style"] = [](Component& c, const Json& v, LayoutContext&) {
    SetFont(As<Control>(c), [&](platform::Font& f) { StyleOf(v, f); });
  };
  t["Font.Color"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetFontColor(ColorOf(v)); };
  t["Caption"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetCaption(Text(v)); };
  t["Hint"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetHint(Text(v)); };
  t["ShowHint"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetShowHint(Bool(v)); };
  t["Cursor"] = [](Component& c, const Json& v, LayoutContext&) {
    As<Control>(c).SetCursor(EnumOf<platform::Cursor>(
        v, {{"crDefault", platform::Cursor::Arrow}, {"crArrow", platform::Cursor::Arrow},
            {"crHandPoint", platform::Cursor::Hand}}));
  };
  t["OnClick"] = Event(&Control::OnClick);
  t["OnMouseDown"] = Event(&Control::OnMouseDown);
  t["OnMouseUp"] = Event(&Control::OnMouseUp);
  t["OnMouseEnter"] = Event(&Control::OnMouseEnter);
  t["OnMouseLeave"] = Event(&Control::OnMouseLeave);
  t["OnResize"] = Event(&Control::OnResize);
  t["OnMove"] = Event(&Control::OnMove);
  return t;
}

PropertyTable With(PropertyTable base, const PropertyTable& more) {
  for (const auto& [name, setter] : more) base[name] = setter;
  return base;
}

template <typename T>
std::function<Component*(Component*)> Make() {
  return [](Component* owner) -> Component* { return new T(owner); };
}

PropertyTable PanelProperties() {
  PropertyTable t;
  t["Transparent"] = [](Component& c, const Json& v, LayoutContext&) { As<Panel>(c).SetTransparent(Bool(v)); };
  t["ParentBackground"] = t["Transparent"];
  return With(ControlProperties(), t);
}

PropertyTable LabelProperties() {
  PropertyTable t;
  t["WordWrap"] = [](Component& c, const Json& v, LayoutContext&) { As<Label>(c).SetWordWrap(Bool(v)); };
  t["EllipsisPosition"] = [](Component& c, const Json& v, LayoutContext&) {
    As<Label>(c).SetEllipsis(EnumOf<EllipsisPosition>(
        v, {{"epNone", EllipsisPosition::None}, {"epEndEllipsis", EllipsisPosition::End},
            {"epPathEllipsis", EllipsisPosition::Path}}));
  };
  t["Alignment"] = [](Component& c, const Json& v, LayoutContext&) { As<Label>(c).SetAlignment(EnumOf(v, kAlignments)); };
  t["Layout"] = [](Component& c, const Json& v, LayoutContext&) { As<Label>(c).SetLayout(EnumOf(v, kLayouts)); };
  t["Transparent"] = [](Component& c, const Json& v, LayoutContext&) { As<Label>(c).SetTransparent(Bool(v)); };
  t["ShowAccelChar"] = [](Component& c, const Json& v, LayoutContext&) { As<Label>(c).SetShowAccelChar(Bool(v)); };
  return With(ControlProperties(), t);
}

PropertyTable ComboBoxProperties() {
  PropertyTable t;
  t["Items"] = [](Component& c, const Json& v, LayoutContext&) {
    if (!v.is_array()) throw PropertyError("expects a list of texts");
    std::vector<std::wstring> items;
    for (const Json& item : v) items.push_back(Text(item));
    As<ComboBox>(c).SetItems(std::move(items));
  };
  t["ItemIndex"] = [](Component& c, const Json& v, LayoutContext&) { As<ComboBox>(c).SetItemIndex(Int(v)); };
  t["Style"] = [](Component& c, const Json& v, LayoutContext&) {
    As<ComboBox>(c).SetStyle(EnumOf<ComboStyle>(
        v, {{"csDropDownList", ComboStyle::DropDownList},
            {"csOwnerDrawVariable", ComboStyle::OwnerDrawVariable}}));
  };
  t["OnChange"] = [](Component& c, const Json& v, LayoutContext& x) { As<ComboBox>(c).OnChange = x.Handler(Name(v)); };
  return With(ControlProperties(), t);
}

// Menu items nest: {"name": ..., "Caption": ..., "OnClick": ..., "Items": [...]}.
void AddMenuItems(Component& owner, const Json& items, LayoutContext& x,
                  const std::function<void(MenuItem*)>& add) {
  if (!items.is_array()) throw PropertyError("expects a list of menu items");
  for (const Json& entry : items) {
    if (!entry.is_object()) throw PropertyError("expects a menu item object");
    auto* item = new MenuItem(&owner);
    for (const auto& [key, value] : entry.items()) {
      if (key == "name")
        item->SetName(Text(value));
      else if (key == "Caption")
        item->SetCaption(Text(value));
      else if (key == "OnClick")
        item->OnClick = x.Handler(Name(value));
      else if (key == "Items")
        AddMenuItems(owner, value, x, [item](MenuItem* sub) { item->Add(sub); });
      else
        throw PropertyError("a menu item has no property " + key);
    }
    add(item);
  }
}

PropertyTable MenuProperties() {
  PropertyTable t;
  t["Items"] = [](Component& c, const Json& v, LayoutContext& x) {
    // Items belong to the menu's owner, as the runtime does it.
    Component& owner = c.Owner() != nullptr ? *c.Owner() : c;
    AddMenuItems(owner, v, x, [&c](MenuItem* item) { As<Menu>(c).Add(item); });
  };
  return t;
}

PropertyTable HtmlLabelProperties() {
  PropertyTable t;
  t["HTMLText"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetHTMLText(Text(v)); };
  t["AutoSizing"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetAutoSizing(Bool(v)); };
  t["WordWrap"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetWordWrap(Bool(v)); };
  t["Ellipsis"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetEllipsis(Bool(v)); };
  t["Hover"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetHover(Bool(v)); };
  t["URLColor"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetURLColor(ColorOf(v)); };
  t["HoverFontColor"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetHoverFontColor(ColorOf(v)); };
  t["Transparent"] = [](Component& c, const Json& v, LayoutContext&) { As<HtmlLabel>(c).SetTransparent(Bool(v)); };
  t["VAlignment"] = [](Component& c, const Json& v, LayoutContext&) {
    As<HtmlLabel>(c).SetVAlignment(EnumOf<HtmlLabel::VAlign>(
        v, {{"tvaTop", HtmlLabel::VAlign::Top}, {"tvaCenter", HtmlLabel::VAlign::Center},
            {"tvaBottom", HtmlLabel::VAlign::Bottom}}));
  };
  t["OnAnchorClick"] = [](Component& c, const Json& v, LayoutContext& x) { As<HtmlLabel>(c).OnAnchorClick = x.Handler(Name(v)); };
  t["OnAnchorEnter"] = [](Component& c, const Json& v, LayoutContext& x) { As<HtmlLabel>(c).OnAnchorEnter = x.Handler(Name(v)); };
  t["OnAnchorExit"] = [](Component& c, const Json& v, LayoutContext& x) { As<HtmlLabel>(c).OnAnchorExit = x.Handler(Name(v)); };
  return With(ControlProperties(), t);
}

PropertyTable FormProperties() {
  PropertyTable t;
  t["ClientWidth"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetWidth(IntIn(v, 0, 100000)); };
  t["ClientHeight"] = [](Component& c, const Json& v, LayoutContext&) { As<Control>(c).SetHeight(IntIn(v, 0, 100000)); };
  t["AlphaBlend"] = [](Component& c, const Json& v, LayoutContext&) { As<Form>(c).SetAlphaBlend(Bool(v)); };
  t["AlphaBlendValue"] = [](Component& c, const Json& v, LayoutContext&) {
    As<Form>(c).SetAlphaBlendValue(static_cast<std::uint8_t>(IntIn(v, 0, 255)));
  };
  return With(ControlProperties(), t);
}

// The controls package expects "FROM_RESOURCE_ID" for pictures by id; nothing else
// is supported.
PropertySetter ResourceIdSource() {
  return [](Component&, const Json& v, LayoutContext&) {
    if (Name(v) != "FROM_RESOURCE_ID") throw PropertyError("only FROM_RESOURCE_ID is supported");
  };
}

PropertyTable PaintBoxProperties() {
  PropertyTable t;
  t["ResourceID"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetResourceID(Int(v)); };
  t["TypeSource"] = ResourceIdSource();
  t["PathModule"] = [](Component& c, const Json& v, LayoutContext& x) {
    As<KXUAPaintBoxPngLux>(c).SetPathModule(&Ref<KXUAResourcePath>(x, v, "TKXUAResourcePath"));
  };
  t["ResName"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetResName(Text(v)); };
  t["Border.Visible"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetBorderVisible(Bool(v)); };
  t["Border.Width"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetBorderWidth(IntIn(v, 0, 100)); };
  t["Border.Opacity"] = [](Component& c, const Json& v, LayoutContext&) {
    As<KXUAPaintBoxPngLux>(c).SetBorderOpacity(static_cast<std::uint8_t>(IntIn(v, 0, 255)));
  };
  t["Border.Color"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetBorderColor(ColorOf(v)); };
  t["BackColor"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAPaintBoxPngLux>(c).SetBackColor(ColorOf(v)); };
  t["BackColors"] = [](Component& c, const Json& v, LayoutContext& x) {
    As<KXUAPaintBoxPngLux>(c).SetBackColors(&Ref<KXUAColors>(x, v, "TKXUAColors"));
  };
  t["TransparentColorValue"] = [](Component& c, const Json& v, LayoutContext&) {
    As<KXUAPaintBoxPngLux>(c).SetTransparentColorValue(ColorOf(v));
  };
  // Every control here is windowless, so a control cannot be a window parent.
  t["ControlParent"] = [](Component&, const Json& v, LayoutContext&) { Bool(v); };
  return With(ControlProperties(), t);
}

PropertyTable ButtonSkinProperties() {
  PropertyTable t;
  t["Alignment"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonSkin>(c).SetAlignment(EnumOf(v, kAlignments)); };
  t["Transparent"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonSkin>(c).SetTransparent(Bool(v)); };
  t["NormalFontStyle"] = [](Component& c, const Json& v, LayoutContext&) {
    SetFont(As<Control>(c), [&](platform::Font& f) { StyleOf(v, f); });
  };
  const std::pair<const char*, SkinState> states[] = {
      {"Normal", SkinState::Normal}, {"Over", SkinState::Over}, {"Down", SkinState::Down},
      {"Disabled", SkinState::Disabled}};
  for (const auto& [prefix, state] : states) {
    const int selector = static_cast<int>(state);
    t[std::string(prefix) + "FontColor"] = [selector](Component& c, const Json& v, LayoutContext&) {
      As<KXUAButtonSkin>(c).SetFontColor(selector, ColorOf(v));
    };
    t[std::string(prefix) + "BkGndColor"] = [selector](Component& c, const Json& v, LayoutContext&) {
      As<KXUAButtonSkin>(c).SetBkGndColor(selector, ColorOf(v));
    };
  }
  t["NormalFillColor"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonSkin>(c).SetFillColor(ColorOf(v)); };
  t["NormalBorderColor"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonSkin>(c).SetBorderColor(ColorOf(v)); };
  return With(ControlProperties(), t);
}

PropertyTable ButtonLuxExProperties() {
  PropertyTable t;
  t["BackColors"] = [](Component& c, const Json& v, LayoutContext& x) {
    As<KXUAButtonLuxEx>(c).SetBackColors(&Ref<KXUAColors>(x, v, "TKXUAColors"));
  };
  t["Fondo"] = [](Component& c, const Json& v, LayoutContext& x) {
    As<KXUAButtonLuxEx>(c).SetFondo(&Ref<KXUAImagesPngLuxEx>(x, v, "TKXUAImagesPngLuxEx"));
  };
  t["FontColorDisable"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonLuxEx>(c).SetFontColorDisable(ColorOf(v)); };
  for (const char* which : {"OuterBorder", "InnerBorder"}) {
    const bool outer = std::string(which) == "OuterBorder";
    auto change = [outer](Component& c, const std::function<void(KXUAButtonLuxEx::Border&)>& edit) {
      auto& button = As<KXUAButtonLuxEx>(c);
      KXUAButtonLuxEx::Border border = outer ? button.OuterBorder() : button.InnerBorder();
      edit(border);
      outer ? button.SetOuterBorder(border) : button.SetInnerBorder(border);
    };
    t[std::string(which) + ".Width"] = [change](Component& c, const Json& v, LayoutContext&) {
      const int width = IntIn(v, 0, 100);
      change(c, [&](KXUAButtonLuxEx::Border& b) { b.width = width; });
    };
    t[std::string(which) + ".Visible"] = [change](Component& c, const Json& v, LayoutContext&) {
      const bool visible = Bool(v);
      change(c, [&](KXUAButtonLuxEx::Border& b) { b.visible = visible; });
    };
  }
  t["ActiveAreaText"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAButtonLuxEx>(c).SetActiveAreaText(Bool(v)); };
  // The text area's settings arrive one by one; each keeps the others.
  auto setArea = [](Component& c, const std::function<void(KXUAButtonLuxEx::TextArea&)>& edit) {
    auto& button = As<KXUAButtonLuxEx>(c);
    KXUAButtonLuxEx::TextArea area = button.AreaText();
    edit(area);
    button.SetAreaText(area);
  };
  t["AreaText.Alignment"] = [setArea](Component& c, const Json& v, LayoutContext&) {
    const TextAlignment alignment = EnumOf(v, kAlignments);
    setArea(c, [&](KXUAButtonLuxEx::TextArea& a) { a.alignment = alignment; });
  };
  t["AreaText.Layout"] = [setArea](Component& c, const Json& v, LayoutContext&) {
    const VerticalLayout layout = EnumOf(v, kLayouts);
    setArea(c, [&](KXUAButtonLuxEx::TextArea& a) { a.layout = layout; });
  };
  t["AreaText.Right"] = [setArea](Component& c, const Json& v, LayoutContext&) {
    const int right = IntIn(v, 0, 10000);
    setArea(c, [&](KXUAButtonLuxEx::TextArea& a) { a.right = right; });
  };
  t["AreaText.Bottom"] = [setArea](Component& c, const Json& v, LayoutContext&) {
    const int bottom = IntIn(v, 0, 10000);
    setArea(c, [&](KXUAButtonLuxEx::TextArea& a) { a.bottom = bottom; });
  };
  return With(ControlProperties(), t);
}

PropertyTable ImagesProperties() {
  PropertyTable t;
  const std::pair<const char*, ButtonFace> faces[] = {
      {"ResourceUpID", ButtonFace::Up}, {"ResourceOverID", ButtonFace::Over},
      {"ResourceClickedID", ButtonFace::Clicked}, {"ResourceDisabledID", ButtonFace::Disabled}};
  for (const auto& [name, face] : faces) {
    const ButtonFace f = face;
    t[name] = [f](Component& c, const Json& v, LayoutContext&) { As<KXUAImagesPngLuxEx>(c).SetResourceId(f, Int(v)); };
  }
  t["TypeSource"] = ResourceIdSource();
  t["PathModule"] = [](Component& c, const Json& v, LayoutContext& x) {
    As<KXUAImagesPngLuxEx>(c).SetPathModule(&Ref<KXUAResourcePath>(x, v, "TKXUAResourcePath"));
  };
  t["ResName"] = [](Component& c, const Json& v, LayoutContext&) { As<KXUAImagesPngLuxEx>(c).SetResName(Text(v)); };
  return t;
}

PropertyTable ColorsProperties() {
  PropertyTable t;
  t["SourceType"] = [](Component& c, const Json& v, LayoutContext&) {
    As<KXUAColors>(c).SetSourceType(EnumOf<KXUAColors::Source>(
        v, {{"FROM_ID", KXUAColors::Source::FromId}, {"FROM_DIRECT", KXUAColors::Source::Direct}}));
  };
  const std::pair<const char*, ButtonFace> faces[] = {
      {"Up", ButtonFace::Up}, {"Over", ButtonFace::Over}, {"Clicked", ButtonFace::Clicked},
      {"Disabled", ButtonFace::Disabled}};
  for (const auto& [name, face] : faces) {
    const ButtonFace f = face;
    t[std::string("IdColor") + name] = [f](Component& c, const Json& v, LayoutContext&) {
      As<KXUAColors>(c).SetIdColor(f, Text(v));
    };
    t[std::string("DirectColor") + name] = [f](Component& c, const Json& v, LayoutContext&) {
      As<KXUAColors>(c).SetDirectColor(f, ColorOf(v));
    };
    t[std::string("Opacity") + name] = [f](Component& c, const Json& v, LayoutContext&) {
      As<KXUAColors>(c).SetOpacity(f, static_cast<std::uint8_t>(IntIn(v, 0, 255)));
    };
  }
  return t;
}

}  // namespace

void RegisterStandardClasses(ClassRegistry& registry) {
  registry.Register("TPanel", {Make<Panel>(), PanelProperties()});
  registry.Register("TLabel", {Make<Label>(), LabelProperties()});
  registry.Register("THTMLabel", {Make<HtmlLabel>(), HtmlLabelProperties()});
  registry.Register("TComboBox", {Make<ComboBox>(), ComboBoxProperties()});
  registry.Register("TAdvComboBox", {Make<AdvComboBox>(), ComboBoxProperties()});
  registry.Register("TMainMenu", {Make<MainMenu>(), MenuProperties()});
  registry.Register("TPopupMenu", {Make<PopupMenu>(), MenuProperties()});
  registry.Register("TKXUATransPanel", {Make<KXUATransPanel>(), PanelProperties()});
  registry.Register("TKXUAPaintBoxPngLux", {Make<KXUAPaintBoxPngLux>(), PaintBoxProperties()});
  registry.Register("TKXUAButtonSkin", {Make<KXUAButtonSkin>(), ButtonSkinProperties()});
  registry.Register("TKXUAButtonLuxEx", {Make<KXUAButtonLuxEx>(), ButtonLuxExProperties()});
  registry.Register("TKXUAImagesPngLuxEx", {Make<KXUAImagesPngLuxEx>(), ImagesProperties()});
  registry.Register("TKXUAColors", {Make<KXUAColors>(), ColorsProperties()});
  registry.Register("TKXUAResourcePath",
                    {Make<KXUAResourcePath>(),
                     {{"ResourcePath", [](Component& c, const Json& v, LayoutContext&) {
                        As<KXUAResourcePath>(c).SetDesignPath(Text(v));
                      }}}});
  PropertyTable timer;
  timer["Enabled"] = [](Component& c, const Json& v, LayoutContext&) { As<TimerComponent>(c).SetEnabled(Bool(v)); };
  timer["Interval"] = [](Component& c, const Json& v, LayoutContext&) {
    As<TimerComponent>(c).SetInterval(static_cast<std::uint32_t>(IntIn(v, 0, std::numeric_limits<int>::max())));
  };
  timer["OnTimer"] = [](Component& c, const Json& v, LayoutContext& x) { As<TimerComponent>(c).OnTimer = x.Handler(Name(v)); };
  registry.Register("TTimer", {Make<TimerComponent>(), timer});
  registry.Register("TApplicationEvents",
                    {Make<ApplicationEvents>(),
                     {{"OnMessage", [](Component& c, const Json& v, LayoutContext& x) {
                         As<ApplicationEvents>(c).OnMessage = x.Handler(Name(v));
                       }}}});
  // Roots only: the code creates them and the layout fills them.
  registry.Register("TForm", {nullptr, FormProperties()});
  registry.Register("TFrame", {nullptr, ControlProperties()});
}

const ClassRegistry& StandardClasses() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    RegisterStandardClasses(r);
    return r;
  }();
  return registry;
}

std::wstring WideFromUtf8(const std::string& text) {
  std::wstring out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::uint32_t code = 0xFFFD;
    std::size_t length = 1;
    if (c < 0x80) {
      code = c;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4;
    }
    if (length > 1) {
      if (i + length > text.size()) {
        length = 1;
      } else {
        code = c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
          const auto next = static_cast<unsigned char>(text[i + k]);
          if ((next & 0xC0) != 0x80) {
            code = 0xFFFD;
            length = k;
            break;
          }
          code = (code << 6) | (next & 0x3F);
        }
      }
    }
    i += length;
    if (code >= 0x10000 && sizeof(wchar_t) == 2) {
      code -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (code >> 10));
      out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<wchar_t>(code);
    }
  }
  return out;
}

}  // namespace kxua::ui
