// Splitting a path into the folder and the file name that frames show apart.
#include <gtest/gtest.h>

#include "model/path_parts.h"

namespace kxua {
namespace {

TEST(PathParts, TheLastBackslashSplits) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* fileName;
  } cases[] = {
      {L"C:\\Program Files\\App\\app.exe", L"C:\\Program Files\\App", L"app.exe"},
      {L"\\\\server\\share\\file.txt", L"\\\\server\\share", L"file.txt"},
      {L"C:\\dir\\", L"C:\\dir", L""},
      {L"app.exe", L"", L"app.exe"},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    const PathParts parts = SplitPath(c.path);
    EXPECT_EQ(c.folder, parts.folder) << c.path;
    EXPECT_EQ(c.fileName, parts.fileName) << c.path;
  }
}

}  // namespace
}  // namespace kxua
