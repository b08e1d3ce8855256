#include "frames/common/risk_picture.h"

#include <algorithm>

namespace kxua {

namespace {
constexpr int kLowestRiskPicture = 500;
constexpr std::int32_t kLowestLevel = 1;
constexpr std::int32_t kHighestLevel = 5;
}  // namespace

int RiskPicture(std::int32_t level) {
  return kLowestRiskPicture + (std::clamp(level, kLowestLevel, kHighestLevel) - kLowestLevel);
}

}  // namespace kxua
