// The product-information file, KXProductInfo.xml: feature properties per product
// version type ("version" elements, each with the sections "general", "modules" and
// "notifications" of "property" elements) and per URL version ("url_version"
// elements holding "property" elements directly). Elements may stand anywhere.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>

#include "model/xml_document.h"

namespace kxua {

// A property's value by its declared type: "VT_BOOL" (true exactly for "true"),
// "VT_BSTR" (the text) or "VT_UI4" (LeadingNumber). Any other type is stored empty
// (std::monostate), which look-ups treat as absent.
using PropertyValue = std::variant<std::monostate, bool, std::wstring, std::uint32_t>;

// (version name, property name) → value. A later entry for the same pair replaces
// an earlier one.
using PropertyTable = std::map<std::pair<std::wstring, std::wstring>, PropertyValue>;

struct ProductInfoTables {
  PropertyTable properties;     // from "version"
  PropertyTable urlProperties;  // from "url_version"
};

// Reads the tables from a parsed file. A "property" without all of "name", "value"
// and "type", or a version without "name", is skipped.
ProductInfoTables ReadProductInfo(const XmlElement& document);

}  // namespace kxua
