// What the toolkit's controls get from the product: pictures by resource id from the
// resource library or a folder, and colours by colour id.
#include <gtest/gtest.h>

#include "host/product_look.h"
#include "model/alert_colors.h"
#include "platform/sim/sim_platform.h"
#include "testbed/demo_brand.h"
#include "testbed/resources.h"

namespace kxua {
namespace {

TEST(ProductLook, PicturesComeFromTheLibraryOrAFolder) {
  sim::ScopedSimPlatform sim;
  testbed::RegisterResourceModule(*sim);
  auto library = OpenPictureSource(L"KXUAResources.dll");
  ASSERT_NE(nullptr, library);
  auto arrow = library->Png(505);
  ASSERT_NE(nullptr, arrow);
  EXPECT_EQ(12, arrow->width);
  EXPECT_EQ(arrow, library->Png(505)) << "decoded once";
  EXPECT_EQ(nullptr, library->Png(1));
  EXPECT_EQ(nullptr, library->Png(-1));
  EXPECT_EQ(1, sim->LoadedModuleCount()) << "the library stays loaded while its source lives";
  library.reset();
  EXPECT_EQ(0, sim->LoadedModuleCount());

  EXPECT_EQ(nullptr, OpenPictureSource(L"Missing.dll"));
  EXPECT_EQ(nullptr, OpenPictureSource(L""));

  // A folder holds "<id>.png" files: here MetroAlert.png copied under an id.
  testbed::AddImagesFolder(*sim, L"C:\\images\\");
  sim->SetFile(L"C:\\pictures\\3146.png", *sim->ReadFile(L"C:\\images\\MetroAlert.png"));
  auto folder = OpenPictureSource(L"C:\\pictures");
  ASSERT_NE(nullptr, folder);
  ASSERT_NE(nullptr, folder->Png(3146));
  EXPECT_EQ(nullptr, folder->Png(3148));
}

TEST(ProductLook, ColourIdsNameTheAlertColours) {
  sim::ScopedSimPlatform sim;
  LoadAlertColors();
  EXPECT_EQ(std::nullopt, ProductColor(L"10103")) << "no branding: the colour set's own colours stay";
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  LoadAlertColors();
  ASSERT_NE(0u, AlertColor(kAlertTitleBackColor));
  EXPECT_EQ(AlertColor(kAlertTitleBackColor), ProductColor(L"10103"));
  EXPECT_EQ(AlertColor(kAlertButtonTextColor), ProductColor(L"10111"));
  for (const wchar_t* other : {L"10100", L"10112", L"", L"abc", L"10103x", L"-10103", L"99999999999"})
    EXPECT_EQ(std::nullopt, ProductColor(other)) << other;
  ResetAlertColorsForTests();
}

}  // namespace
}  // namespace kxua
