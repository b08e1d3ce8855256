// The file properties dialog that a frame's information picture opens: asked of
// the product, then waited for and raised above the toast, so it is not lost
// behind it.
#pragma once

#include <memory>

#include "kxua/alerts.h"
#include "kxua/services.h"
#include "platform/platform.h"

namespace kxua {

// The class of the standard dialogs, the properties dialog among them.
inline constexpr wchar_t kDialogClassName[] = L"#32770";

// What ShowFileProperties needs of the frame that asks: the picture that was
// clicked, and the properties window the frame raised last.
class PropertiesOwner {
 public:
  PropertiesOwner(const PropertiesOwner&) = delete;
  PropertiesOwner& operator=(const PropertiesOwner&) = delete;

  // Disabled while a request runs, enabled again when it ends.
  virtual void EnablePropertiesPicture(bool enabled) = 0;

  // 0 for none. Not watched: a dialog the user closed only gets a harmless close
  // message at the next request.
  platform::WindowHandle propertiesWindow = 0;

 protected:
  PropertiesOwner() = default;
  ~PropertiesOwner() { *alive_ = false; }

 private:
  friend void ShowFileProperties(IZYMApplicationContext*, IUINotification*, PropertiesOwner&);
  // Cleared when the owner goes: the wait handles messages, and one of them may be
  // the host freeing the alert (an answer clicked meanwhile, or its expiry).
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Asks for the properties dialog of the notification's `Path` under the
// hourglass, then waits up to kPropertiesWaitMs for a dialog of this process to
// appear and makes it top-most. A dialog from the owner's previous request is
// closed first. The toast stays responsive without spinning: pending messages
// are handled before every look, with kPropertiesPollMs of sleep between looks.
// When the owner is freed meanwhile, the wait ends without touching it.
void ShowFileProperties(IZYMApplicationContext* context, IUINotification* notification,
                        PropertiesOwner& owner);

}  // namespace kxua
