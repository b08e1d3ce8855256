// Templates come from translations: any text, filled with the arguments a frame
// gives, takes each argument at most once and never reads one that is not there.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/text_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring pattern(data, data + size);  // characters below 256
  // Arguments marked with characters no pattern has, and carrying directives of
  // their own, which must not be read again.
  const std::wstring name = L"\x101%s%n\x101";
  const std::wstring percents = L"\x102%%\x102";
  const std::wstring filled = kxua::FillTemplate(pattern, {name, -12, percents});
  for (wchar_t mark : {L'\x101', L'\x102'}) {
    const auto count = std::count(filled.begin(), filled.end(), mark);
    if (count != 0 && count != 2) std::abort();
  }
  // Each directive a filled argument replaced was at least two characters long.
  if (filled.size() > pattern.size() + name.size() + 3 + percents.size() - 6) std::abort();
  return 0;
}
