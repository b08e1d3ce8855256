// UTF-8 text from files, as the wide strings the rest of the library uses, and
// back for the reports the tools write.
#pragma once

#include <string>
#include <string_view>

namespace kxua {

// Decodes `text`. Every byte that does not start a well-formed sequence (stray
// continuation bytes, overlong forms, surrogates, code points above U+10FFFF,
// sequences cut short) becomes one U+FFFD, and decoding resumes at the next byte.
// Characters beyond U+FFFF become surrogate pairs where wchar_t has 16 bits.
std::wstring WideFromUtf8(std::string_view text);

// Encodes `text`. Unpaired surrogates and values past U+10FFFF become U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace kxua
