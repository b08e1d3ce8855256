#include "testbed/resources.h"

#include "testbed/pictures_data.h"

namespace kxua::testbed {

namespace {

std::vector<std::uint8_t> Bytes(const PictureData& picture) {
  return {picture.png, picture.png + picture.size};
}

}  // namespace

void RegisterResourceModule(sim::SimPlatform& sim, const std::wstring& name) {
  sim::SimPlatform::Resources resources;
  for (std::size_t i = 0; i < kPictureCount; ++i)
    if (kPictures[i].resourceId != 0)
      resources[{L"PNG", kPictures[i].resourceId}] = Bytes(kPictures[i]);
  sim.AddModule(name, std::move(resources));
}

void AddImagesFolder(sim::SimPlatform& sim, const std::wstring& folder) {
  for (std::size_t i = 0; i < kPictureCount; ++i)
    sim.SetFile(folder + kPictures[i].fileName, Bytes(kPictures[i]));
}

}  // namespace kxua::testbed
