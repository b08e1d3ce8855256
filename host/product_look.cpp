#include "host/product_look.h"

#include <cwctype>
#include <map>

#include "model/alert_colors.h"
#include "ui/pictures.h"

namespace kxua {

namespace {

class ModulePictures final : public ui::PictureSource {
 public:
  explicit ModulePictures(const std::wstring& path) : module_(path) {}
  bool Loaded() const { return module_.Loaded(); }
  std::shared_ptr<const platform::Bitmap> Png(int resourceId) override {
    return resourceId < 0 ? nullptr : module_.FromResource(static_cast<std::uint32_t>(resourceId));
  }

 private:
  ui::PictureModule module_;  // the frame keeps the library loaded while it shows
};

class FolderPictures final : public ui::PictureSource {
 public:
  explicit FolderPictures(std::wstring folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != L'\\') folder_ += L'\\';
  }
  std::shared_ptr<const platform::Bitmap> Png(int resourceId) override {
    if (resourceId < 0) return nullptr;
    auto [it, added] = pictures_.try_emplace(resourceId);
    if (added) it->second = ui::PictureFromFile(folder_ + std::to_wstring(resourceId) + L".png");
    return it->second;
  }

 private:
  std::wstring folder_;
  std::map<int, ui::Picture> pictures_;  // misses are kept too, as null
};

bool NamesModule(const std::wstring& path) {
  if (path.size() < 4) return false;
  std::wstring ending = path.substr(path.size() - 4);
  for (wchar_t& c : ending) c = static_cast<wchar_t>(std::towlower(c));
  return ending == L".dll";
}

}  // namespace

std::shared_ptr<ui::PictureSource> OpenPictureSource(const std::wstring& path) {
  if (path.empty()) return nullptr;
  if (!NamesModule(path)) return std::make_shared<FolderPictures>(path);
  auto pictures = std::make_shared<ModulePictures>(path);
  return pictures->Loaded() ? pictures : nullptr;
}

std::optional<platform::Color> ProductColor(const std::wstring& id) {
  if (id.empty() || id.size() > 5) return std::nullopt;
  for (wchar_t c : id)
    if (c < L'0' || c > L'9') return std::nullopt;
  const int number = std::stoi(id);
  if (number < kAlertBodyBackColor || number > kAlertButtonTextColor) return std::nullopt;
  return LoadedAlertColor(number);
}

void InstallProductLook() {
  ui::KXUAResourcePath::SetPictureSourceFactory(OpenPictureSource);
  ui::KXUAColors::SetColorLookup(ProductColor);
}

}  // namespace kxua
