#include "frames/common/alert_frame.h"

#include "frames/common/find_control.h"

namespace kxua {

AlertFrame::AlertFrame(AlertHost* host, int width, int height)
    : ui::Frame(nullptr),
      host_(host),
      findControlMessage_(platform::Get().RegisterMessage(kFindControlMessage)) {
  SetBounds(0, 0, width, height);
  if (host_ != nullptr) SetParent(host_);
}

bool AlertFrame::CreateFrameWindow() {
  // The window is named after the frame class, so tools can tell which alert shows.
  // It stays hidden until the host has placed it; the frame itself counts as
  // visible, so that its controls show and take clicks once the window does.
  return CreateHandle({host_ != nullptr ? host_->Handle() : 0, 0, WindowBounds(), ClassName()});
}

void AlertFrame::RequestClose() const {
  if (host_ != nullptr) host_->PostMessage(kMsgCloseAlert);
}

std::intptr_t AlertFrame::WndProc(const platform::Message& message) {
  if (message.id != findControlMessage_ || findControlMessage_ == 0) return ui::Frame::WndProc(message);
  const std::wstring name = platform::Get().GlobalAtomName(static_cast<std::uint16_t>(message.wParam));
  auto* control = name.empty() ? nullptr : Find<ui::Control>(name);
  // Only a control this window shows can be pointed at.
  if (control == nullptr || !control->Showing() || control->HostWindow() != this) return kControlAbsent;
  const platform::Point origin = control->OriginInWindow();
  const platform::Point centre{origin.x + control->Width() / 2, origin.y + control->Height() / 2};
  if (centre.x < 0 || centre.y < 0 || centre.x >= Width() || centre.y >= Height()) return kControlAbsent;
  return PackControlCentre(centre);
}

}  // namespace kxua
