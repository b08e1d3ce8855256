// A frame made the way the host makes it, for the tests of a frame family: the
// family's registry, a test host, the stand-in product with its translations, and
// clicks through the simulated window.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "frames/common/frame_registry.h"
#include "platform/sim/sim_platform.h"
#include "testbed/product.h"
#include "tests/unit/frame_test_host.h"
#include "tests/unit/ui_test_support.h"

namespace kxua::test {

class FrameFixture : public ::testing::Test {
 protected:
  void AddTexts(const std::map<std::wstring, std::wstring>& texts) {
    for (const auto& [id, text] : texts) product.Texts().Add(id, text);
  }
  // The frame of `formType` in `list` for a source of `notifications`, filled and
  // shown. Without `context`, the product's.
  AlertFrame& Make(std::int32_t list, std::int32_t formType,
                   std::vector<std::shared_ptr<testbed::Notification>> notifications,
                   IZYMApplicationContext* context = nullptr) {
    sources.push_back(std::make_unique<testbed::AlertSource>());
    testbed::AlertSource& source = *sources.back();
    for (auto& notification : notifications) source.Add(std::move(notification));
    FrameFactory factory = registry.Find(list, formType);
    if (factory == nullptr) throw std::runtime_error("no frame");
    frame = factory({&host, &source, source.Item(0), context != nullptr ? context : product.Context()});
    frame->InitAlert();
    sim->Show(frame->Handle());
    return *frame;
  }
  template <typename T = ui::Control>
  T& Get(const wchar_t* name) {
    return test::Get<T>(*frame, name);
  }
  const std::wstring& Caption(const wchar_t* name) { return Get(name).Caption(); }
  void Click(const wchar_t* name) {
    ui::Control& control = Get(name);
    const platform::Point origin = control.OriginInWindow();
    sim->Click(frame->Handle(), origin.x + control.Width() / 2, origin.y + control.Height() / 2);
    sim->RunFor(0);
  }
  void RegisterAction(const std::wstring& name) {
    auto* object = new testbed::ActionObject(name);
    product.Context()->Register(name, object);
    object->Release();
  }

  sim::ScopedSimPlatform sim;
  testbed::Product product;
  FrameTestHost host;
  std::vector<std::unique_ptr<testbed::AlertSource>> sources;  // one per frame made
  FrameRegistry registry;
  std::unique_ptr<AlertFrame> frame;
};

}  // namespace kxua::test
