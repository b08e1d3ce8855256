// UTF-8 conversion: what the product's files and the scenarios contain reaches the
// screen unchanged, and broken bytes never break the reader.
#include <gtest/gtest.h>

#include "model/utf8.h"

namespace kxua {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
  const std::wstring text = L"Protecci\u00f3n \u20ac \u4e2d \U0001F6E1 end";
  EXPECT_EQ(text, Utf8ToWide(WideToUtf8(text)));
  EXPECT_EQ("Protecci\xc3\xb3n", WideToUtf8(L"Protecci\u00f3n"));
}

TEST(Utf8, BadBytesBecomeReplacementCharacters) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"a\xff" "b", L"a\ufffd" L"b"},
      {"\xc3", L"\ufffd"},                      // truncated
      {"\xc0\xaf", L"\ufffd\ufffd"},            // overlong '/'
      {"\xed\xa0\x80", L"\ufffd\ufffd\ufffd"},  // a surrogate
      {"\xf4\x90\x80\x80", L"\ufffd\ufffd\ufffd\ufffd"},  // past U+10FFFF
      {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const auto& [bytes, wide] : cases) EXPECT_EQ(wide, Utf8ToWide(bytes));
}

}  // namespace
}  // namespace kxua
