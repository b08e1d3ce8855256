// The HTML label's markup, as notification texts bring it: parsed, laid out with
// wrapping and ellipsis, hit-tested and drawn, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_frame.h"
#include "platform/sim/sim_platform.h"
#include "ui/class_registry.h"
#include "ui/html_label.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kxua;
  const std::wstring markup =
      ui::WideFromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  sim::ScopedSimPlatform sim;
  fuzz::FuzzFrame frame;
  frame.SetBounds(0, 0, 200, 60);
  auto* label = new ui::HtmlLabel(&frame);
  label->SetParent(&frame);
  label->SetBounds(0, 0, 120, 30);
  label->SetEllipsis(true);
  label->SetVAlignment(ui::HtmlLabel::VAlign::Center);
  label->SetHTMLText(markup);
  sim->Show(frame.Handle());
  sim->PaintPending();
  sim->Click(frame.Handle(), 10, 10);
  label->SetWordWrap(false);
  label->SetAutoSizing(true);
  sim->Invalidate(frame.Handle());
  sim->PaintPending();
  return 0;
}
