// The risk level pictures: the scale, no level, and levels outside the scale.
#include <gtest/gtest.h>

#include <cstdint>

#include "frames/common/risk_picture.h"

namespace kxua {
namespace {

TEST(RiskPicture, LevelsOneToFiveAndTheEndsOfTheScale) {
  struct Case {
    std::int32_t level;
    int picture;
  } cases[] = {
      {0, 500}, {1, 500}, {2, 501}, {3, 502}, {4, 503}, {5, 504},
      {6, 504}, {INT32_MAX, 504}, {-1, 500}, {INT32_MIN, 500},
  };
  for (const Case& c : cases) EXPECT_EQ(c.picture, RiskPicture(c.level)) << c.level;
}

}  // namespace
}  // namespace kxua
