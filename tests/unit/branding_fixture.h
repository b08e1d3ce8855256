// A simulated machine for the branding tests: a fresh platform, the process-wide
// product information, catalogue and colours forgotten before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/alert_colors.h"
#include "model/product_info.h"
#include "model/white_label_catalogue.h"
#include "platform/sim/sim_platform.h"
#include "testbed/demo_brand.h"

namespace kxua {

class BrandingTest : public ::testing::Test {
 protected:
  BrandingTest() { Forget(); }
  ~BrandingTest() override { Forget(); }

  static std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
  }
  // The raw folder of the demo brand for `whiteLabel` ("Current" when empty).
  static std::wstring Raw(const std::wstring& whiteLabel = L"Current") {
    return testbed::DemoBrand::ProductDataFolder() + L"\\res\\" + whiteLabel + L"\\raw\\";
  }
  void SetSetupNumber(const wchar_t* name, std::uint32_t value) {
    sim->SetRegistryNumber(platform::RegistryRoot::LocalMachine,
                           L"SOFTWARE\\Orvex Software\\Setup", name, value);
  }
  void SetSetupText(const wchar_t* name, const std::wstring& value) {
    sim->SetRegistryString(platform::RegistryRoot::LocalMachine,
                           L"SOFTWARE\\Orvex Software\\Setup", name, value);
  }

  sim::ScopedSimPlatform sim;

 private:
  static void Forget() {
    ProductInfoManager::ResetForTests();
    WhiteLabelCatalogue::ResetForTests();
    ResetAlertColorsForTests();
  }
};

}  // namespace kxua
