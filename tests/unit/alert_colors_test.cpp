// The alert colour table: every id from its own key, the ids around the range, and
// what loading leaves alone.
#include "branding_fixture.h"

namespace kxua {
namespace {

class AlertColorsTest : public BrandingTest {};

TEST_F(AlertColorsTest, EachIdTakesTheColourOfItsKey) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Enciphered);
  for (int id = 10100; id <= 10112; ++id) EXPECT_EQ(0u, AlertColor(id)) << "before loading";
  LoadAlertColors();
  // The demo brand's palette (testbed/data/KXWhiteLabelCat.xml).
  const std::pair<int, std::uint32_t> expected[] = {
      {10100, 0},        {kAlertBodyBackColor, 16777215},
      {kAlertBodyTextColor, 3355443},  {kAlertTitleBackColor, 7098123},
      {kAlertTitleTextColor, 16777215}, {kAlertTitleDetailTextColor, 15128760},
      {kAlertFootBackColor, 16118510}, {kAlertFootTextColor, 7891802},
      {kAlertTitleWarningBackColor, 2832832}, {kAlertTitleWarningTextColor, 16777215},
      {kAlertTitleWarningDetailTextColor, 12831222}, {kAlertButtonTextColor, 7098123},
      {10112, 0},        {0, 0}, {-10101, 0},
  };
  for (const auto& [id, color] : expected) EXPECT_EQ(color, AlertColor(id)) << id;
}

TEST_F(AlertColorsTest, MissingKeysKeepTheirColour) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  LoadAlertColors();
  WhiteLabelCatalogue::ResetForTests();
  sim->SetFile(Raw() + L"KXWhiteLabelCat.xml",
               Bytes(R"(<c><active_product>P</active_product><product name="P"><colors>
                 <color name="IDS_ALERT_BODY_BACK_COLOR" value="255"/>
               </colors></product></c>)"));
  LoadAlertColors();
  EXPECT_EQ(255u, AlertColor(kAlertBodyBackColor));
  EXPECT_EQ(3355443u, AlertColor(kAlertBodyTextColor));
}

TEST_F(AlertColorsTest, NothingChangesWithoutACatalogue) {
  LoadAlertColors();
  EXPECT_EQ(0u, AlertColor(kAlertTitleBackColor));
}

}  // namespace
}  // namespace kxua
