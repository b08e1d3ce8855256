// The stand-in product's pictures, drawn at build time by
// testbed/resources/make_pictures.py and compiled in for the simulated platform.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kxua::testbed {

struct PictureData {
  std::uint32_t resourceId;  // 0 for a picture of the images folder
  const wchar_t* fileName;
  const unsigned char* png;
  std::size_t size;
};

extern const PictureData kPictures[];
extern const std::size_t kPictureCount;

}  // namespace kxua::testbed
