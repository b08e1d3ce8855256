#include "frames/common/frame_registry.h"

namespace kxua {

namespace {
std::int32_t KeyOf(std::int32_t list, std::int32_t formType) {
  return list == ListCampaigns ? 0 : formType;
}
}  // namespace

void FrameRegistry::Register(std::int32_t list, std::int32_t formType, FrameFactory factory) {
  if (factory == nullptr)
    factories_.erase({list, KeyOf(list, formType)});
  else
    factories_[{list, KeyOf(list, formType)}] = factory;
}

FrameFactory FrameRegistry::Find(std::int32_t list, std::int32_t formType) const {
  auto it = factories_.find({list, KeyOf(list, formType)});
  return it == factories_.end() ? nullptr : it->second;
}

}  // namespace kxua
