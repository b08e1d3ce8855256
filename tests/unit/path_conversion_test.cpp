// ToWin32Path: each conversion rule, in the order they are tried, with the system
// directories the simulation reports.
#include <gtest/gtest.h>

#include <string>

#include "model/path_conversion.h"
#include "platform/sim/sim_platform.h"

namespace kxua {
namespace {

class PathConversionTest : public ::testing::Test {
 protected:
  PathConversionTest() {
    sim->SetWindowsDirectory(L"C:\\Windows");
    sim->SetCurrentDirectory(L"D:\\work");
  }
  sim::ScopedSimPlatform sim;
};

struct Case {
  const wchar_t* text;
  const wchar_t* expected;
};

TEST_F(PathConversionTest, RulesApplyInOrder) {
  const Case cases[] = {
      // Native UNC prefixes give a UNC path.
      {L"\\\\?\\UNC\\server\\share\\f", L"\\\\server\\share\\f"},
      {L"\\??\\UNC\\server\\share\\f", L"\\\\server\\share\\f"},
      // Other native prefixes are dropped; "UNC" is matched exactly.
      {L"\\??\\C:\\dir\\file.exe", L"C:\\dir\\file.exe"},
      {L"\\\\?\\C:\\x", L"C:\\x"},
      {L"\\\\.\\PhysicalDrive0", L"PhysicalDrive0"},
      {L"\\??\\unc\\server\\f", L"unc\\server\\f"},
      {L"\\??\\", L""},
      // Malformed native prefixes cannot be converted.
      {L"\\\\?x", L""},
      {L"\\\\?", L""},
      {L"\\\\.x", L""},
      {L"\\\\.", L""},
      {L"\\?x", L""},
      {L"\\??", L""},
      {L"\\?", L""},
      // Any other double backslash is already a UNC path, \SystemRoot included.
      {L"\\\\server\\share\\f", L"\\\\server\\share\\f"},
      {L"\\\\SystemRoot\\x", L"\\\\SystemRoot\\x"},
      {L"\\\\", L"\\\\"},
      // \SystemRoot in any case: the Windows directory, then the rest as it is.
      {L"\\SystemRoot\\System32\\x.dll", L"C:\\Windows\\System32\\x.dll"},
      {L"\\systemroot\\x", L"C:\\Windows\\x"},
      {L"\\SystemRoot", L"C:\\Windows"},
      {L"\\SystemRootX", L"C:\\WindowsX"},
      // Other device-relative paths go on the current drive.
      {L"\\Device\\HarddiskVolume1\\x", L"D:\\Device\\HarddiskVolume1\\x"},
      {L"\\SystemRoo", L"D:\\SystemRoo"},
      {L"\\", L"D:\\"},
      // System32-relative paths go under the Windows directory.
      {L"system32\\drivers\\x.sys", L"C:\\Windows\\system32\\drivers\\x.sys"},
      {L"System32", L"C:\\Windows\\System32"},
      // Everything else is returned as it is.
      {L"C:\\x", L"C:\\x"},
      {L"", L""},
      {L"relative\\f", L"relative\\f"},
      {L"System3", L"System3"},
      {L"x\\System32", L"x\\System32"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ToWin32Path(c.text)) << "from " << testing::PrintToString(std::wstring(c.text));
}

TEST_F(PathConversionTest, MissingSystemDirectoriesMakeTheirRulesFail) {
  struct DirectoryCase {
    const wchar_t* windows;
    const wchar_t* current;
    const wchar_t* text;
    const wchar_t* expected;
  } cases[] = {
      {L"", L"D:\\work", L"\\SystemRoot\\x.dll", L""},
      {L"", L"D:\\work", L"System32\\x.dll", L""},
      {L"", L"D:\\work", L"\\Device\\x", L"D:\\Device\\x"},
      {L"C:\\Windows", L"", L"\\Device\\x", L""},
      // A current directory without a drive letter names no drive.
      {L"C:\\Windows", L"\\\\server\\share", L"\\Device\\x", L""},
      {L"C:\\Windows", L"", L"\\SystemRoot\\x.dll", L"C:\\Windows\\x.dll"},
  };
  for (const DirectoryCase& c : cases) {
    sim->SetWindowsDirectory(c.windows);
    sim->SetCurrentDirectory(c.current);
    EXPECT_EQ(c.expected, ToWin32Path(c.text))
        << testing::PrintToString(std::wstring(c.text)) << " with Windows "
        << testing::PrintToString(std::wstring(c.windows)) << ", current "
        << testing::PrintToString(std::wstring(c.current));
  }
}

TEST_F(PathConversionTest, LongestPathsConvertWhole) {
  constexpr std::size_t kLongestPath = 32767;
  const std::wstring tail(kLongestPath - 7, L'a');
  EXPECT_EQ(L"C:\\" + tail, ToWin32Path(L"\\??\\C:\\" + tail));
  EXPECT_EQ(L"C:\\Windows" + tail, ToWin32Path(L"\\SystemRoot" + tail));
  EXPECT_EQ(L"", ToWin32Path(L"\\\\?" + std::wstring(kLongestPath - 3, L'x')));
  const std::wstring ordinary(kLongestPath, L'b');
  EXPECT_EQ(ordinary, ToWin32Path(ordinary));
}

}  // namespace
}  // namespace kxua
