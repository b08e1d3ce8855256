// Reading the product-information file: property types, skipped entries, where
// versions and sections may stand, and the URL versions kept apart.
#include <gtest/gtest.h>

#include <string>

#include "model/product_info_file.h"

namespace kxua {
namespace {

ProductInfoTables Read(const std::string& xml) {
  const auto document = ParseXml(std::vector<std::uint8_t>(xml.begin(), xml.end()));
  EXPECT_TRUE(document) << xml;
  return document ? ReadProductInfo(*document) : ProductInfoTables();
}

// One property in a "general" section of version "1".
std::optional<PropertyValue> One(const std::string& attributes) {
  const ProductInfoTables tables =
      Read("<info><version name=\"1\"><general><property " + attributes +
           "/></general></version></info>");
  auto it = tables.properties.find({L"1", L"P"});
  if (it == tables.properties.end()) return std::nullopt;
  return it->second;
}

TEST(ProductInfoFile, PropertyTypes) {
  struct Case {
    const char* attributes;
    std::optional<PropertyValue> value;
  };
  const Case cases[] = {
      {R"(name="P" value="true" type="VT_BOOL")", PropertyValue(true)},
      {R"(name="P" value="True" type="VT_BOOL")", PropertyValue(false)},
      {R"(name="P" value="1" type="VT_BOOL")", PropertyValue(false)},
      {R"(name="P" value="false" type="VT_BOOL")", PropertyValue(false)},
      {R"(name="P" value="Harbor Guard" type="VT_BSTR")", PropertyValue(std::wstring(L"Harbor Guard"))},
      {R"(name="P" value="" type="VT_BSTR")", PropertyValue(std::wstring())},
      {R"(name="P" value="21" type="VT_UI4")", PropertyValue(21u)},
      {R"(name="P" value="21 devices" type="VT_UI4")", PropertyValue(21u)},
      {R"(name="P" value="many" type="VT_UI4")", PropertyValue(0u)},
      {R"(name="P" value="1" type="VT_I4")", PropertyValue()},
      {R"(name="P" value="true" type="vt_bool")", PropertyValue()},
      {R"(value="true" type="VT_BOOL")", std::nullopt},
      {R"(name="P" type="VT_BOOL")", std::nullopt},
      {R"(name="P" value="true")", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, One(c.attributes)) << c.attributes;
}

TEST(ProductInfoFile, VersionsAnywhereWithTheirThreeSections) {
  const ProductInfoTables tables = Read(R"(
    <info>
      <version name="DEFAULT">
        <general><property name="A" value="true" type="VT_BOOL"/></general>
        <modules><property name="B" value="true" type="VT_BOOL"/></modules>
        <notifications><property name="C" value="true" type="VT_BOOL"/></notifications>
        <other><property name="D" value="true" type="VT_BOOL"/></other>
        <property name="E" value="true" type="VT_BOOL"/>
      </version>
      <group><version name="7"><general>
        <property name="A" value="false" type="VT_BOOL"/>
        <property name="A" value="3" type="VT_UI4"/>
      </general></version></group>
      <version><general><property name="F" value="true" type="VT_BOOL"/></general></version>
    </info>)");
  const PropertyTable expected = {
      {{L"DEFAULT", L"A"}, true},
      {{L"DEFAULT", L"B"}, true},
      {{L"DEFAULT", L"C"}, true},
      {{L"7", L"A"}, 3u},  // the later entry replaces the earlier
  };
  EXPECT_EQ(expected, tables.properties);
  EXPECT_TRUE(tables.urlProperties.empty());
}

TEST(ProductInfoFile, UrlVersionsHoldTheirPropertiesDirectly) {
  const ProductInfoTables tables = Read(R"(
    <info>
      <url_version name="DEFAULT">
        <property name="UrlSupport" value="https://support.example/" type="VT_BSTR"/>
        <general><property name="Nested" value="x" type="VT_BSTR"/></general>
      </url_version>
    </info>)");
  const PropertyTable expected = {{{L"DEFAULT", L"UrlSupport"}, std::wstring(L"https://support.example/")}};
  EXPECT_EQ(expected, tables.urlProperties);
  EXPECT_TRUE(tables.properties.empty());
}

}  // namespace
}  // namespace kxua
