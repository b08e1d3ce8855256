#include "model/white_label_file.h"

namespace kxua {

namespace {

// The children named `name` of the children named `group` of `parent`.
template <class Visit>
void ForEachGrouped(const XmlElement& parent, const char* group, const char* name,
                    const Visit& visit) {
  for (const auto& [groupKey, groupElement] : parent) {
    if (groupKey != group) continue;
    for (const auto& [key, element] : groupElement)
      if (key == name) visit(element);
  }
}

void ReadProduct(const XmlElement& element, WhiteLabelProduct& product) {
  ForEachGrouped(element, "colors", "color", [&](const XmlElement& color) {
    const auto name = Attribute(color, "name");
    const auto value = Attribute(color, "value");
    if (name && value) product.colors[*name] = LeadingNumber(*value);
  });
  ForEachGrouped(element, "strings", "language", [&](const XmlElement& language) {
    const auto code = Attribute(language, "name");
    if (!code) return;
    auto& strings = product.strings[*code];
    for (const auto& [key, entry] : language) {
      if (key == "<xmlattr>") continue;
      const auto name = Attribute(entry, "name");
      const auto value = Attribute(entry, "value");
      if (name && value) strings[*name] = *value;
    }
  });
}

}  // namespace

WhiteLabelData ReadWhiteLabelCatalogue(const XmlElement& document) {
  WhiteLabelData data;
  bool activeFound = false;
  ForEachElement(document, "active_product", [&](const XmlElement& active) {
    if (activeFound) return;
    data.activeProduct = ElementText(active);
    activeFound = true;
  });
  ForEachElement(document, "product", [&](const XmlElement& element) {
    if (const auto name = Attribute(element, "name")) ReadProduct(element, data.products[*name]);
  });
  return data;
}

}  // namespace kxua
