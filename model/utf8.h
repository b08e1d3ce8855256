// UTF-8 to and from the wide strings of the system (UTF-16 on Windows, UTF-32
// elsewhere). Invalid input never fails: each bad byte becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace kxua {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace kxua
