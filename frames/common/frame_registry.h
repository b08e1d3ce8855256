// Which frame shows which alert: a factory per list and form type. Each frame family
// registers its frames here; an alert whose form type has no entry is dropped.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "frames/common/alert_frame.h"

namespace kxua {

// Null when the frame cannot be created.
using FrameFactory = std::unique_ptr<AlertFrame> (*)(const FrameInput& input);

class FrameRegistry {
 public:
  // ListCampaigns has one frame whatever the form type; it is registered with any.
  // A null factory removes the entry.
  void Register(std::int32_t list, std::int32_t formType, FrameFactory factory);
  // Registers `Frame`, made from the alert's input.
  template <class Frame>
  void Register(std::int32_t list, std::int32_t formType) {
    Register(list, formType, [](const FrameInput& input) -> std::unique_ptr<AlertFrame> {
      return std::make_unique<Frame>(input);
    });
  }
  // Null when the list has no frame for the form type.
  FrameFactory Find(std::int32_t list, std::int32_t formType) const;

 private:
  std::map<std::pair<std::int32_t, std::int32_t>, FrameFactory> factories_;
};

}  // namespace kxua
