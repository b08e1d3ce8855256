// The product-information file as it comes from disk: plain or enciphered, then
// parsed and read into the property tables.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/content_cipher.h"
#include "model/product_info_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto plain = kxua::PlainContent(std::vector<std::uint8_t>(data, data + size));
  if (!plain) return 0;
  if (const auto document = kxua::ParseXml(*plain)) kxua::ReadProductInfo(*document);
  return 0;
}
