// Deciphering any input, and enciphering it back: a round trip must give the input
// padded with zero bytes to whole blocks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/content_cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> marked(kxua::kEncipheredMarker,
                                   kxua::kEncipheredMarker + sizeof(kxua::kEncipheredMarker) - 1);
  marked.insert(marked.end(), data, data + size);
  kxua::PlainContent(marked);

  const std::vector<std::uint8_t> key(kxua::ContentKey().begin(), kxua::ContentKey().end());
  const auto blocks = kxua::EncipherBlocks(data, size, key);
  if (!blocks) std::abort();
  const auto back = kxua::DecipherBlocks(blocks->data(), blocks->size(), key);
  std::vector<std::uint8_t> padded(data, data + size);
  padded.resize(blocks->size(), 0);
  if (!back || *back != padded) std::abort();
  return 0;
}
