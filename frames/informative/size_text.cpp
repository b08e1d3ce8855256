#include "frames/informative/size_text.h"

#include <cmath>

namespace kxua {

namespace {

struct Unit {
  std::uint64_t limit;    // the largest size shown in this unit
  std::uint64_t divisor;  // bytes per unit
  const wchar_t* id;
  bool decimals;
};

constexpr Unit kUnits[] = {
    {1024ULL, 1ULL, L"B", false},
    {1024000ULL, 1024ULL, L"KB", false},
    {1024000000ULL, 1024000ULL, L"MB", true},
    {1024000000000ULL, 1024000000ULL, L"GB", true},
    {1024000000000000ULL, 1024000000000ULL, L"TB", true},
};
constexpr Unit kLargest = {UINT64_MAX, 1024000000000000ULL, L"PB", true};

std::wstring TwoDecimals(std::uint64_t bytes, std::uint64_t divisor) {
  const double x = static_cast<double>(bytes) / static_cast<double>(divisor);
  const auto hundredths = static_cast<std::uint64_t>(std::floor(x * 100 + 0.5));
  const std::uint64_t cents = hundredths % 100;
  return std::to_wstring(hundredths / 100) + (cents < 10 ? L".0" : L".") + std::to_wstring(cents);
}

}  // namespace

SizeText SizeOf(std::uint64_t bytes) {
  const Unit* unit = &kLargest;
  for (const Unit& candidate : kUnits)
    if (bytes <= candidate.limit) {
      unit = &candidate;
      break;
    }
  if (!unit->decimals) return {std::to_wstring(bytes / unit->divisor), unit->id};
  return {TwoDecimals(bytes, unit->divisor), unit->id};
}

}  // namespace kxua
