// Finding and reading the product's branding files (product information and
// white-label catalogue) in the raw resource folder of a white label.
#pragma once

#include <optional>
#include <string>

#include "model/xml_document.h"

namespace kxua {

// The file at `path` read through the platform, deciphered when it is enciphered,
// and parsed; nothing when any step fails.
std::optional<XmlElement> ReadBrandingFile(const std::wstring& path);

struct BrandingFile {
  std::wstring path;                 // the file read last
  std::optional<XmlElement> document;  // empty when it could not be read
};

// The file `fileName` of white label `whiteLabel` ("Current" when empty). When that
// fails, only the main product (whose id in the setup equals `whiteLabel`) falls
// back to the "Current" file: another edition must not show the main product's
// branding.
BrandingFile LoadBrandingFile(const std::wstring& fileName, const std::wstring& whiteLabel);

}  // namespace kxua
