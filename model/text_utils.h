// Text utilities that frames share: translating texts that end in line breaks,
// cutting a text to a width with "...", and the plain text of label markup.
#pragma once

#include <string>

#include "platform/platform.h"

namespace kxua {

class CZYMUtils;

// The translation of `text` as one id (line breaks inside it included), with any
// trailing run of CR and LF kept as it is. A text of nothing but line breaks gives
// an empty text.
std::wstring TranslateMultiline(CZYMUtils& utils, const std::wstring& text);

// `text` unchanged when it is narrower than `width` pixels in `font` on one line;
// otherwise as many of its first characters as fit once the cut is paid for,
// followed by "...". A width of zero or less means the caller has not been laid
// out yet: the text comes back unchanged rather than cut for good.
std::wstring FitTextToWidth(const std::wstring& text, const platform::Font& font, int width);

// The plain text of label markup: "<BR>" and "<HR>" (any case) become line feeds,
// hidden sections from "<z>" to the next "</z>" (then "<Z>" to "</Z>") go with
// their contents, and every other tag goes. A start marker or "<" that nothing
// closes stays, with the rest of the text, as it stands.
std::wstring StripMarkup(const std::wstring& text);

// `text` as it stands inside label markup: "&", "<" and ">" as the entities the
// HTML label reads back, so a program or folder name is never taken for a tag.
std::wstring EscapeMarkup(const std::wstring& text);

}  // namespace kxua
