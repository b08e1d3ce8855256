// PNG pictures come from the product's resource library and images folder: the
// decoder must refuse anything malformed without crashing or over-allocating.
#include <cstddef>
#include <cstdint>

#include "platform/sim/sim_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kxua::sim::SimPlatform sim;
  auto bitmap = sim.DecodePng(data, size);
  if (bitmap && bitmap->pixels.size() !=
                    static_cast<std::size_t>(bitmap->width) * static_cast<std::size_t>(bitmap->height))
    __builtin_trap();
  return 0;
}
