// Reading the white-label catalogue: active product, colours and strings per
// language, and the entries that are skipped.
#include <gtest/gtest.h>

#include <string>

#include "model/white_label_file.h"

namespace kxua {
namespace {

WhiteLabelData Read(const std::string& xml) {
  const auto document = ParseXml(std::vector<std::uint8_t>(xml.begin(), xml.end()));
  EXPECT_TRUE(document) << xml;
  return document ? ReadWhiteLabelCatalogue(*document) : WhiteLabelData();
}

TEST(WhiteLabelFile, ProductsWithColoursAndStrings) {
  const WhiteLabelData data = Read(R"(
    <catalogue>
      <active_product>
        Harbor
      </active_product>
      <active_product>Other</active_product>
      <product name="Harbor">
        <colors>
          <color name="IDS_ALERT_BODY_BACK_COLOR" value="16777215"/>
          <color name="IDS_ALERT_BODY_TEXT_COLOR" value="0x00FF00"/>
          <color name="IDS_ALERT_FOOT_BACK_COLOR"/>
          <color value="5"/>
        </colors>
        <strings>
          <language name="eng">
            <string name="STRING_IDS_PRODUCT_LONGNAME" value="Harbor Guard"/>
            <anything name="STRING_IDS_COMPANY_SHORTNAME" value="Orvex"/>
            <string name="NO_VALUE"/>
          </language>
          <language name="spa">
            <string name="STRING_IDS_PRODUCT_LONGNAME" value="Harbor Guard Protecci&#xF3;n"/>
          </language>
          <language><string name="X" value="no language"/></language>
        </strings>
      </product>
      <product><colors><color name="IDS_ALERT_BODY_BACK_COLOR" value="1"/></colors></product>
    </catalogue>)");
  EXPECT_EQ(L"Harbor", data.activeProduct) << "the first, without surrounding space";
  ASSERT_EQ(1u, data.products.size()) << "a product without a name is skipped";
  const WhiteLabelProduct& harbor = data.products.at(L"Harbor");
  const std::map<std::wstring, std::uint32_t> colors = {
      {L"IDS_ALERT_BODY_BACK_COLOR", 16777215u},
      {L"IDS_ALERT_BODY_TEXT_COLOR", 0u},  // decimal only: "0x..." has the digit 0
  };
  EXPECT_EQ(colors, harbor.colors);
  const std::map<std::wstring, std::map<std::wstring, std::wstring>> strings = {
      {L"eng", {{L"STRING_IDS_PRODUCT_LONGNAME", L"Harbor Guard"},
                {L"STRING_IDS_COMPANY_SHORTNAME", L"Orvex"}}},
      {L"spa", {{L"STRING_IDS_PRODUCT_LONGNAME", L"Harbor Guard Protecci\u00F3n"}}},
  };
  EXPECT_EQ(strings, harbor.strings);
}

TEST(WhiteLabelFile, WithoutActiveProductOrProducts) {
  const WhiteLabelData data = Read("<catalogue><colors/></catalogue>");
  EXPECT_EQ(L"", data.activeProduct);
  EXPECT_TRUE(data.products.empty());
}

}  // namespace
}  // namespace kxua
