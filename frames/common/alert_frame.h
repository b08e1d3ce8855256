// What the host window requires of every alert frame: its two IAlertsForms
// operations, its kind, and a child window of the frame's size. A frame is a frame
// of the component toolkit, so it can load its layout and its windowless controls
// are painted and hit-tested by its window.
#pragma once

#include <string>

#include "frames/common/alert_host.h"
#include "ui/frame.h"

namespace kxua {

class IAlertsForms {
 public:
  // Fills the frame; called once, right after creation.
  virtual void InitAlert() = 0;
  // Picks up notifications that arrived for the shown frame.
  virtual void RefreshAlerts() = 0;

 protected:
  ~IAlertsForms() = default;
};

// Posted by a frame to its host window when its alert is finished.
inline constexpr std::uint32_t kMsgCloseAlert = 0x666;

class AlertFrame : public ui::Frame, public IAlertsForms {
 public:
  // How the host treats a shown frame when more alerts arrive.
  enum class Kind {
    Single,    // nothing refreshes it
    Paging,    // shows a list; new notifications of its list refresh it
    Campaign,  // any other list's alert replaces it
  };

  // Names the frame's window, so tools can tell which alert shows.
  std::wstring ClassName() const override = 0;
  virtual Kind FrameKind() const { return Kind::Single; }
  // Asked after InitAlert: whether the frame found anything to show.
  virtual bool HasContent() const { return true; }

  // Asks the host window to finish the alert.
  void RequestClose() const;

 protected:
  // The frame is a child control of `host`; without a host it is a window of its
  // own, which nothing fades or resizes.
  AlertFrame(AlertHost* host, int width, int height);
  // Creates the frame's window, hidden, as a child of the host window; called by
  // the derived class's constructor, once ClassName() answers for it.
  bool CreateFrameWindow();
  AlertHost* Host() const { return host_; }

  std::intptr_t WndProc(const platform::Message& message) override;

 private:
  AlertHost* host_;
  std::uint32_t findControlMessage_;  // tools ask it where a control is
};

}  // namespace kxua
