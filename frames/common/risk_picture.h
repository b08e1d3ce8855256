// The picture of a notification's risk level, as the detection, ask and reboot
// frames show it.
#pragma once

#include <cstdint>

namespace kxua {

// Levels 1 to 5 show pictures 500 to 504; level 0 (no level) shows 500. A level
// outside the scale shows the nearest end of it rather than a picture that does
// not exist.
int RiskPicture(std::int32_t level);

}  // namespace kxua
