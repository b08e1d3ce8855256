// The non-visual parts of the product's controls package: where pictures come from
// (resource paths and the picture sources behind them), the face images of buttons
// and the colour sets of buttons and backgrounds.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "ui/component.h"

namespace kxua::ui {

// Pictures by numeric resource id (resources of type "PNG"), decoded.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // Null when the source has no such picture or it cannot be decoded.
  virtual std::shared_ptr<const platform::Bitmap> Png(int resourceId) = 0;
};

// Makes the picture source for a resource path (a module or a folder); null when
// there is none. Installed once by the composition root.
using PictureSourceFactory = std::function<std::shared_ptr<PictureSource>(const std::wstring& path)>;

// The states a button face is drawn in.
enum class ButtonFace { Up, Over, Clicked, Disabled };

// Where the pictures of the controls that name it come from.
class KXUAResourcePath : public Component {
 public:
  explicit KXUAResourcePath(Component* owner) : Component(owner) {}

  std::wstring ClassName() const override { return L"TKXUAResourcePath"; }

  // The factory every resource path uses to open its path.
  static void SetPictureSourceFactory(PictureSourceFactory factory);

  // What the layout says the pictures are: a folder or a module, named as the
  // product installs it. The frame turns it into the real path when created.
  const std::wstring& DesignPath() const { return designPath_; }
  void SetDesignPath(const std::wstring& path) { designPath_ = path; }
  const std::wstring& ResourcePath() const { return path_; }
  // Points the component at `path` and opens it through the factory.
  void SetPathResource(const std::wstring& path);
  // Uses `source` directly, whatever the path says.
  void SetSource(std::shared_ptr<PictureSource> source) { source_ = std::move(source); }
  // The picture `resourceId` of the current source; null when there is none.
  std::shared_ptr<const platform::Bitmap> Png(int resourceId);

 private:
  std::wstring designPath_;
  std::wstring path_;
  std::shared_ptr<PictureSource> source_;
};

// The four face images of a button, by resource id (-1: none; the up face stands in).
class KXUAImagesPngLuxEx : public Component {
 public:
  explicit KXUAImagesPngLuxEx(Component* owner) : Component(owner) {}

  std::wstring ClassName() const override { return L"TKXUAImagesPngLuxEx"; }

  int ResourceId(ButtonFace face) const { return ids_[static_cast<std::size_t>(face)]; }
  void SetResourceId(ButtonFace face, int id) { ids_[static_cast<std::size_t>(face)] = id; }
  KXUAResourcePath* PathModule() const { return pathModule_; }
  void SetPathModule(KXUAResourcePath* path) { pathModule_ = path; }
  const std::wstring& ResName() const { return resName_; }
  void SetResName(const std::wstring& name) { resName_ = name; }

  std::shared_ptr<const platform::Bitmap> Face(ButtonFace face) const;

 private:
  std::array<int, 4> ids_{-1, -1, -1, -1};
  KXUAResourcePath* pathModule_ = nullptr;  // owned by the same owner
  std::wstring resName_ = L"PNG";
};

// The colours of a button's faces (or of a background) with their opacities, given
// directly or by the ids of the product's colours.
class KXUAColors : public Component {
 public:
  enum class Source { FromId, Direct };

  explicit KXUAColors(Component* owner) : Component(owner) {}

  std::wstring ClassName() const override { return L"TKXUAColors"; }

  // How colour ids become colours (the product's colour table); installed by the
  // composition root. Without it, or for an unknown id, the direct colours apply.
  static void SetColorLookup(std::function<std::optional<platform::Color>(const std::wstring&)> lookup);

  Source SourceType() const { return source_; }
  void SetSourceType(Source source) { source_ = source; }
  void SetIdColor(ButtonFace face, const std::wstring& id) { ids_[Index(face)] = id; }
  void SetDirectColor(ButtonFace face, platform::Color color) { direct_[Index(face)] = color; }
  void SetOpacity(ButtonFace face, std::uint8_t opacity) { opacity_[Index(face)] = opacity; }
  // Replaces the up colour, whatever the source.
  void SetColorUp(platform::Color color) { colorUp_ = color; }

  // A face without a colour of its own takes the up colour.
  platform::Color ColorOf(ButtonFace face) const;
  std::uint8_t OpacityOf(ButtonFace face) const { return opacity_[Index(face)]; }

 private:
  static std::size_t Index(ButtonFace face) { return static_cast<std::size_t>(face); }
  std::optional<platform::Color> Own(ButtonFace face) const;

  Source source_ = Source::Direct;
  std::array<std::wstring, 4> ids_;
  std::array<std::optional<platform::Color>, 4> direct_;
  std::array<std::uint8_t, 4> opacity_{255, 255, 255, 255};
  std::optional<platform::Color> colorUp_;
};

}  // namespace kxua::ui
