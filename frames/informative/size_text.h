// The size a scheduled task freed, as the programmed task alert shows it.
#pragma once

#include <cstdint>
#include <string>

namespace kxua {

struct SizeText {
  std::wstring number;  // bytes and kilobytes whole, larger units with two decimals
  const wchar_t* unit;  // a text id: "B", "KB", "MB", "GB", "TB" or "PB"
};

// Above 1024 bytes the units step by 1024 x 1000^n bytes (a kilobyte is 1024, a
// megabyte 1024000, ...), and a size equal to a step's limit stays in the lower
// unit. Two decimals are rounded half up.
SizeText SizeOf(std::uint64_t bytes);

}  // namespace kxua
