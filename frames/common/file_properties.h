// The file properties dialog that a frame's information picture opens: asked of
// the product, then waited for and raised above the toast, so it is not lost
// behind it.
#pragma once

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
  // Disabled while a request runs, enabled again when it ends.
  virtual void EnablePropertiesPicture(bool enabled) = 0;

  // 0 for none. Not watched: a dialog the user closed only gets a harmless close
  // message at the next request.
  platform::WindowHandle propertiesWindow = 0;

 protected:
  ~PropertiesOwner() = default;
};

// Asks for the properties dialog of the notification's `Path` under the
// hourglass, then waits up to kPropertiesWaitMs for a dialog of this process to
// appear and makes it top-most. A dialog from the owner's previous request is
// closed first. Messages are processed once before the wait, not during it.
void ShowFileProperties(IZYMApplicationContext* context, IUINotification* notification,
                        PropertiesOwner& owner);

}  // namespace kxua
