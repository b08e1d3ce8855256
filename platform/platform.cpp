#include "platform/platform.h"

namespace kxua::platform {

namespace {
Platform* installed = nullptr;
}  // namespace

Platform& Get() { return installed != nullptr ? *installed : DefaultPlatform(); }

void Install(Platform* platform) { installed = platform; }

}  // namespace kxua::platform
