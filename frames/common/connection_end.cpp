#include "frames/common/connection_end.h"

#include "kxua/values.h"
#include "model/notification.h"

namespace kxua {

namespace {
constexpr std::int32_t kIncoming = 1;
constexpr std::int32_t kOutgoing = 0;
}  // namespace

ConnectionEnd ReadConnectionEnd(IUINotification* notification) {
  const bool incoming = ReadNumber(notification, key::Direction, kOutgoing) == kIncoming;
  return {ReadText(notification, incoming ? key::IPSrc : key::IPDst, kAddressText),
          FindNumber(notification, incoming ? key::PortDst : key::PortSrc)};
}

}  // namespace kxua
