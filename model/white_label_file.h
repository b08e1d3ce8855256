// The white-label catalogue, KXWhiteLabelCat.xml: the active product's name (the
// text of "active_product") and, per "product" element, its colours
// ("colors/color" with "name" and "value") and its display strings by language
// ("strings/language" named by a code such as "eng", whose child elements carry
// "name" and "value").
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "model/xml_document.h"

namespace kxua {

struct WhiteLabelProduct {
  std::map<std::wstring, std::uint32_t> colors;  // 0x00BBGGRR
  std::map<std::wstring, std::map<std::wstring, std::wstring>> strings;  // language → key → text
};

struct WhiteLabelData {
  std::wstring activeProduct;
  std::map<std::wstring, WhiteLabelProduct> products;
};

// Reads the catalogue from a parsed file. Entries without their attributes are
// skipped; a colour value is read as LeadingNumber. The first "active_product" counts.
WhiteLabelData ReadWhiteLabelCatalogue(const XmlElement& document);

}  // namespace kxua
