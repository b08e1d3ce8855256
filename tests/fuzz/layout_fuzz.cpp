// Layouts are data: any bytes load into a frame or give a LayoutError, never a
// crash, and whatever loaded lays out and paints.
#include <cstddef>
#include <cstdint>

#include "fuzz_frame.h"
#include "platform/sim/sim_platform.h"
#include "ui/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kxua;
  sim::ScopedSimPlatform sim;
  fuzz::FuzzFrame frame;
  frame.SetBounds(0, 0, 320, 200);
  // Every event name finds a handler, so the wiring is exercised too.
  const ui::HandlerLookup anyHandler = [](const std::string&) {
    return ui::EventHandler([](const ui::Event&) {});
  };
  try {
    ui::LoadLayout({"fuzz.json", reinterpret_cast<const char*>(data), size}, frame, anyHandler);
  } catch (const ui::LayoutError&) {
  }
  sim->Show(frame.Handle());
  sim->PaintPending();
  sim->Click(frame.Handle(), 10, 10);
  sim->PaintPending();
  return 0;
}
