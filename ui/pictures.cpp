#include "ui/pictures.h"

namespace kxua::ui {

namespace {

// The caches of the modules held now, by handle. Frames run on one thread.
std::map<platform::ModuleHandle, std::weak_ptr<void>>& Caches() {
  static std::map<platform::ModuleHandle, std::weak_ptr<void>> caches;
  return caches;
}

Picture Decode(const std::optional<std::vector<std::uint8_t>>& bytes) {
  if (!bytes) return nullptr;
  auto bitmap = platform::Get().DecodePng(bytes->data(), bytes->size());
  if (!bitmap) return nullptr;
  return std::make_shared<const platform::Bitmap>(std::move(*bitmap));
}

}  // namespace

PictureModule::PictureModule(const std::wstring& path)
    : handle_(platform::Get().LoadModule(path)) {
  if (handle_ == 0) return;
  std::weak_ptr<void>& shared = Caches()[handle_];
  cache_ = std::static_pointer_cast<Cache>(shared.lock());
  if (cache_ == nullptr) {
    cache_ = std::make_shared<Cache>();
    shared = cache_;
  }
}

PictureModule::~PictureModule() {
  if (handle_ == 0) return;
  cache_.reset();
  auto entry = Caches().find(handle_);
  if (entry != Caches().end() && entry->second.expired()) Caches().erase(entry);
  platform::Get().UnloadModule(handle_);
}

Picture PictureModule::FromResource(std::uint32_t id) {
  if (cache_ == nullptr) return nullptr;
  auto cached = cache_->pictures.find(id);
  if (cached != cache_->pictures.end()) return cached->second;
  Picture picture = Decode(platform::Get().ReadResource(handle_, id, L"PNG"));
  cache_->pictures.emplace(id, picture);
  return picture;
}

Picture PictureFromFile(const std::wstring& path) {
  return Decode(platform::Get().ReadFile(path));
}

}  // namespace kxua::ui
