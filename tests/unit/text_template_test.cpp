// Templates from translations: only the directives the call site expects are
// filled; everything else, hostile or mistaken, shows as it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/text_template.h"

namespace kxua {
namespace {

struct Case {
  const wchar_t* pattern;
  std::vector<TemplateArgument> arguments;
  const wchar_t* expected;
};

TEST(FillTemplate, FillsOnlyTheDirectivesOfTheNextArgumentsKind) {
  const std::vector<TemplateArgument> task = {L"Scan", L"12.5 MB"};  // the programmed task's
  const Case cases[] = {
      {L"Task <b>%s</b> freed %s.", task, L"Task <b>Scan</b> freed 12.5 MB."},
      {L"", task, L""},
      {L"no directives", task, L"no directives"},
      {L"%s", task, L"Scan"},  // an argument no directive asks for is left out
      {L"%ls, %ls", task, L"Scan, 12.5 MB"},
      // More directives than arguments: the extra ones stay.
      {L"%s %s %s", task, L"Scan 12.5 MB %s"},
      {L"%s %s %d %s", task, L"Scan 12.5 MB %d %s"},
      {L"%s", {}, L"%s"},
      // Another kind: kept, and the argument waits for its own kind.
      {L"%d %s", task, L"%d Scan"},
      {L"%u%i %s", task, L"%u%i Scan"},
      // Directives this formatter never fills, with flags, widths and precisions.
      {L"%n%x%p%c%f%S %s", task, L"%n%x%p%c%f%S Scan"},
      {L"%5s|%-s|%.3s|%*s|%1$s|%hs %s", task, L"%5s|%-s|%.3s|%*s|%1$s|%hs Scan"},
      // Percent signs of their own.
      {L"100%% %s", task, L"100% Scan"},
      {L"%%s %s", task, L"%s Scan"},
      {L"%s %", task, L"Scan %"},
      {L"%", task, L"%"},
      {L"%l", task, L"%l"},
      {L"%%%s", task, L"%Scan"},
      // What is inserted is not read again.
      {L"<%s> %s", {L"%s%n%%"}, L"<%s%n%%> %s"},
      // Integers, in decimal with their own sign whatever the letter.
      {L"%u/%d", {-1, 7u}, L"-1/7"},
      {L"%i %lu %ld", {-2147483647 - 1, 4294967295u, 3}, L"-2147483648 4294967295 3"},
      {L"%llu %I64d %d", {std::uint64_t{18446744073709551615u}}, L"%llu %I64d 18446744073709551615"},
      {L"%s %d %s", {L"a", 2, L"b"}, L"a 2 b"},
      {L"%d %s %d", {L"a", 2}, L"%d a 2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, FillTemplate(c.pattern, c.arguments))
        << testing::PrintToString(std::wstring(c.pattern));
}

TEST(FillPositional, FillsNumberedDirectivesAndShowsEverythingElseAsItStands) {
  const std::vector<std::wstring> app = {L"app.exe"};
  const struct {
    const wchar_t* pattern;
    std::vector<std::wstring> arguments;
    const wchar_t* expected;
  } cases[] = {
      {L"<b>%1%</b> is trying", app, L"<b>app.exe</b> is trying"},
      {L"%1% and %1%", app, L"app.exe and app.exe"},
      {L"%2% after %1%", {L"a", L"b"}, L"b after a"},
      {L"no directive", app, L"no directive"},
      {L"", app, L""},
      // Missing arguments give nothing; surplus ones are left out.
      {L"[%2%]", app, L"[]"},
      {L"[%1%]", {}, L"[]"},
      {L"%1%", {L"a", L"b"}, L"a"},
      // Anything that is not "%N%" shows literally, never read as a directive.
      {L"%s %n %d", app, L"%s %n %d"},
      {L"100%", app, L"100%"},
      {L"%1", app, L"%1"},
      {L"%0%", app, L"%0%"},
      {L"%99999999999999999999%", app, L"%99999999999999999999%"},
      {L"%%1%%", app, L"%1%"},
      {L"100%% %1%", app, L"100% app.exe"},
      {L"50% %1%", app, L"50% app.exe"},
      {L"%-1%", app, L"%-1%"},
      // What is inserted is not read again.
      {L"%1%", {L"%1%%s"}, L"%1%%s"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, FillPositional(c.pattern, c.arguments))
        << testing::PrintToString(std::wstring(c.pattern));
}

}  // namespace
}  // namespace kxua
