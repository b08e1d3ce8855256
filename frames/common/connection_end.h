// Which end of a network connection an alert names: the remote address and the
// local port, chosen by the connection's direction.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "kxua/alerts.h"

namespace kxua {

// An address as the product writes it: room for the longest IPv6 text form
// (45 characters and the terminator), so an IPv6 address is read whole rather
// than cut at the 16 characters an IPv4 address needs.
inline constexpr std::size_t kAddressText = 46;

struct ConnectionEnd {
  std::wstring address;
  std::optional<std::int32_t> port;  // none when the notification has no port
};

// An incoming connection (Direction 1) shows where it came from (IPSrc) and the
// local port it reached (PortDst); any other direction, a missing one included,
// is outgoing: where it goes (IPDst) and the local port it left from (PortSrc).
ConnectionEnd ReadConnectionEnd(IUINotification* notification);

}  // namespace kxua
