// UTF-8 decoding of file texts: well-formed sequences of every length, and each kind
// of malformed input replaced without losing the text around it.
#include <gtest/gtest.h>

#include <string>

#include "model/utf8.h"

namespace kxua {
namespace {

struct Utf8Case {
  const char* what;
  std::string bytes;
  std::wstring expected;
};

TEST(Utf8, DecodesAndReplacesMalformedBytes) {
  const Utf8Case cases[] = {
      {"empty", "", L""},
      {"ascii", "Harbor", L"Harbor"},
      {"two bytes", "Protecci\xC3\xB3n", L"Protecci\u00F3n"},
      {"three bytes", "\xE2\x82\xAC", L"\u20AC"},
      {"four bytes", "\xF0\x9F\x9B\xA1", L"\U0001F6E1"},
      {"stray continuation", "a\x80z", L"a\uFFFDz"},
      {"overlong slash", "\xC0\xAF", L"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", L"\uFFFD\uFFFD\uFFFD"},
      {"surrogate", "\xED\xA0\x80!", L"\uFFFD\uFFFD\uFFFD!"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut short at the end", "ok\xE2\x82", L"ok\uFFFD\uFFFD"},
      {"cut short by ascii", "\xE2\x82z", L"\uFFFD\uFFFDz"},
      {"five-byte lead", "\xF8\x88\x80\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"zero byte kept", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const Utf8Case& c : cases) EXPECT_EQ(c.expected, WideFromUtf8(c.bytes)) << c.what;
}

TEST(Utf8, EncodesWhatItDecodes) {
  const std::wstring text = L"Protecci\u00f3n \u20ac \u4e2d \U0001F6E1 end";
  EXPECT_EQ(text, WideFromUtf8(Utf8FromWide(text)));
  EXPECT_EQ("Protecci\xc3\xb3n", Utf8FromWide(L"Protecci\u00f3n"));
  EXPECT_EQ("\xef\xbf\xbd", Utf8FromWide(std::wstring(1, static_cast<wchar_t>(0xD800))));
}

}  // namespace
}  // namespace kxua
