// StripMarkup on arbitrary text, one character per input byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/text_utils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text(data, data + size);
  const std::wstring plain = kxua::StripMarkup(text);
  // Markup only ever gives way: line-break tags shrink to one character, the rest goes.
  if (plain.size() > text.size()) std::abort();
  return 0;
}
