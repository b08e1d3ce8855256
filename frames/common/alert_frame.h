// What the host window requires of every alert frame: its two IAlertsForms
// operations, its kind, and a child window of the frame's size.
#pragma once

#include <string>

#include "ui/window.h"

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

class AlertFrame : public ui::Window, public IAlertsForms {
 public:
  // How the host treats a shown frame when more alerts arrive.
  enum class Kind {
    Single,    // nothing refreshes it
    Paging,    // shows a list; new notifications of its list refresh it
    Campaign,  // any other list's alert replaces it
  };

  ~AlertFrame() override = default;

  virtual const wchar_t* ClassName() const = 0;
  virtual Kind FrameKind() const { return Kind::Single; }
  // Asked after InitAlert: whether the frame found anything to show.
  virtual bool HasContent() const { return true; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Asks the host window to finish the alert.
  void RequestClose() const;

 protected:
  AlertFrame(platform::WindowHandle host, int width, int height);
  // Creates the frame's window, hidden, as a child of the host window; called by
  // the derived class's constructor, once ClassName() answers for it.
  bool CreateFrameWindow();

 private:
  platform::WindowHandle host_;
  int width_;
  int height_;
};

}  // namespace kxua
