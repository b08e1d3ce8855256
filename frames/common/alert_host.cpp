#include "frames/common/alert_host.h"

namespace kxua {

namespace {
// The fixed numbers of the contract between the host window and its frames.
constexpr std::uint32_t kMsgCloseAlert = 0x666;
constexpr std::uint32_t kMsgFrameKey = 0x1F58;
}  // namespace

void AlertHost::RequestClose() const { PostMessage(kMsgCloseAlert); }

void AlertHost::SetOpaque() {
  SetAlphaBlend(false);
  SetAlphaBlendValue(255);
}

void AlertHost::SetFade(std::uint8_t alpha) {
  SetAlphaBlend(true);
  SetAlphaBlendValue(alpha);
}

void AlertHost::FitHeight(int frameHeight) { SetHeight(frameHeight); }

void AlertHost::BeginUserMove() {
  platform::Platform& system = platform::Get();
  system.ReleaseCapture();
  system.SendMessage(Handle(), platform::msg::SysCommand, platform::syscommand::DragMove, 0);
}

void AlertHost::ForwardKey(platform::WindowHandle frameWindow, std::uintptr_t virtualKey) {
  platform::Get().SendMessage(frameWindow, kMsgFrameKey, virtualKey, 0);
}

bool AlertHost::IsCloseRequest(const platform::Message& message) { return message.id == kMsgCloseAlert; }

std::optional<std::uintptr_t> ForwardedKey(const platform::Message& message) {
  if (message.id != kMsgFrameKey) return std::nullopt;
  return message.wParam;
}

}  // namespace kxua
