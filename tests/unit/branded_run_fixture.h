// Demo runs with the demo brand: the brand's product information, catalogue and
// colours are process-wide, so they are forgotten after each test.
#pragma once

#include <gtest/gtest.h>

#include "model/alert_colors.h"
#include "model/product_info.h"
#include "model/white_label_catalogue.h"

namespace kxua::demo {

class BrandedRunTest : public ::testing::Test {
 protected:
  ~BrandedRunTest() override { ForgetBrand(); }
  static void ForgetBrand() {
    ProductInfoManager::ResetForTests();
    WhiteLabelCatalogue::ResetForTests();
    ResetAlertColorsForTests();
  }
};

}  // namespace kxua::demo
