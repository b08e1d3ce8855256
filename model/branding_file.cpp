#include "model/branding_file.h"

#include "model/content_cipher.h"
#include "model/product_folders.h"
#include "platform/platform.h"

namespace kxua {

std::optional<XmlElement> ReadBrandingFile(const std::wstring& path) {
  auto content = platform::Get().ReadFile(path);
  if (!content) return std::nullopt;
  auto plain = PlainContent(std::move(*content));
  if (!plain) return std::nullopt;
  return ParseXml(*plain);
}

BrandingFile LoadBrandingFile(const std::wstring& fileName, const std::wstring& whiteLabel) {
  BrandingFile file;
  file.path = GetRawFolder(whiteLabel) + fileName;
  file.document = ReadBrandingFile(file.path);
  if (file.document || whiteLabel.empty()) return file;
  const std::wstring mainProduct = GetMainProductID();
  if (mainProduct.empty() || mainProduct != whiteLabel) return file;
  file.path = GetRawFolder() + fileName;
  file.document = ReadBrandingFile(file.path);
  return file;
}

}  // namespace kxua
