// Where frames get their pictures: PNG resources of a module by numeric id, and PNG
// files by path (the images folder's pictures).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace kxua::ui {

using Picture = std::shared_ptr<const platform::Bitmap>;

// A module loaded for its pictures for the lifetime of this object, by full path or
// by bare file name with the system's search. Pictures are decoded once per module
// and id: every holder of the same loaded module shares one cache, which goes away
// with the last holder (so a handle the system reuses later never sees it).
class PictureModule {
 public:
  explicit PictureModule(const std::wstring& path);
  ~PictureModule();
  PictureModule(const PictureModule&) = delete;
  PictureModule& operator=(const PictureModule&) = delete;

  bool Loaded() const { return handle_ != 0; }
  platform::ModuleHandle Handle() const { return handle_; }

  // The PNG resource `id` (type "PNG"), decoded; null when the module is not loaded,
  // lacks the resource or the resource is not a valid PNG. The same bitmap every
  // time for the same module and id.
  Picture FromResource(std::uint32_t id);

 private:
  struct Cache {
    std::map<std::uint32_t, Picture> pictures;  // failures are kept too, as null
  };

  platform::ModuleHandle handle_ = 0;
  std::shared_ptr<Cache> cache_;
};

// The PNG file at `path`, decoded; null when it cannot be read or decoded.
Picture PictureFromFile(const std::wstring& path);

}  // namespace kxua::ui
