// Windows programs run on the system itself unless a test installs otherwise.
#include "platform/win32/win32_platform.h"

namespace kxua::platform {

Platform& DefaultPlatform() {
  static win32::Win32Platform system;
  return system;
}

}  // namespace kxua::platform
