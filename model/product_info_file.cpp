#include "model/product_info_file.h"

namespace kxua {

namespace {

PropertyValue ValueOf(const std::wstring& type, const std::wstring& value) {
  if (type == L"VT_BOOL") return value == L"true";
  if (type == L"VT_BSTR") return value;
  if (type == L"VT_UI4") return LeadingNumber(value);
  return std::monostate();
}

void ReadProperties(const XmlElement& parent, const std::wstring& version, PropertyTable& table) {
  for (const auto& [key, property] : parent) {
    if (key != "property") continue;
    const auto name = Attribute(property, "name");
    const auto value = Attribute(property, "value");
    const auto type = Attribute(property, "type");
    if (!name || !value || !type) continue;
    table[{version, *name}] = ValueOf(*type, *value);
  }
}

}  // namespace

ProductInfoTables ReadProductInfo(const XmlElement& document) {
  ProductInfoTables tables;
  ForEachElement(document, "version", [&](const XmlElement& version) {
    const auto name = Attribute(version, "name");
    if (!name) return;
    for (const auto& [key, section] : version)
      if (key == "general" || key == "modules" || key == "notifications")
        ReadProperties(section, *name, tables.properties);
  });
  ForEachElement(document, "url_version", [&](const XmlElement& version) {
    if (const auto name = Attribute(version, "name"))
      ReadProperties(version, *name, tables.urlProperties);
  });
  return tables;
}

}  // namespace kxua
