// The Windows test programs' checks: one line per check, and the closing line
// "N passed, N failed" that the test runner reads.
#pragma once

#include <cstdio>

namespace kxua::wine {

inline int passed = 0;
inline int failed = 0;

inline void Check(bool ok, const char* what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
  (ok ? passed : failed)++;
}

// Prints the closing line; the program's exit code.
inline int Summary() {
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace kxua::wine
