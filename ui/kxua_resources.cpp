#include "ui/kxua_resources.h"

namespace kxua::ui {

namespace {
// Set once by the composition root, before any layout is loaded.
PictureSourceFactory& Factory() {
  static PictureSourceFactory factory;
  return factory;
}
std::function<std::optional<platform::Color>(const std::wstring&)>& ColorLookup() {
  static std::function<std::optional<platform::Color>(const std::wstring&)> lookup;
  return lookup;
}
}  // namespace

void KXUAResourcePath::SetPictureSourceFactory(PictureSourceFactory factory) {
  Factory() = std::move(factory);
}

void KXUAResourcePath::SetPathResource(const std::wstring& path) {
  path_ = path;
  source_ = Factory() ? Factory()(path) : nullptr;
}

std::shared_ptr<const platform::Bitmap> KXUAResourcePath::Png(int resourceId) {
  if (resourceId < 0 || !source_) return nullptr;
  return source_->Png(resourceId);
}

std::shared_ptr<const platform::Bitmap> KXUAImagesPngLuxEx::Face(ButtonFace face) const {
  if (pathModule_ == nullptr) return nullptr;
  int id = ResourceId(face);
  if (id < 0) id = ResourceId(ButtonFace::Up);
  return pathModule_->Png(id);
}

void KXUAColors::SetColorLookup(
    std::function<std::optional<platform::Color>(const std::wstring&)> lookup) {
  ColorLookup() = std::move(lookup);
}

std::optional<platform::Color> KXUAColors::Own(ButtonFace face) const {
  if (face == ButtonFace::Up && colorUp_) return colorUp_;
  const std::size_t i = Index(face);
  if (source_ == Source::FromId && !ids_[i].empty() && ColorLookup())
    if (auto color = ColorLookup()(ids_[i])) return color;
  return direct_[i];
}

platform::Color KXUAColors::ColorOf(ButtonFace face) const {
  if (auto color = Own(face)) return *color;
  return Own(ButtonFace::Up).value_or(0x00FFFFFF);
}

}  // namespace kxua::ui
