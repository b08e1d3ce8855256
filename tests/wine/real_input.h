// What the Windows tests share to drive real windows: serving the thread's
// messages for a while, and real mouse input through the system.
#pragma once

#include <windows.h>

#include <chrono>

namespace kxua::wine {

// Serves the thread's messages until `done` holds or `ms` pass; false on time-out.
template <typename Done>
bool PumpUntil(Done done, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
  return true;
}

inline void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

// Real input: moves the pointer there, presses and releases the left button.
inline void ClickAt(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = screen.x * 65535 / (width - 1);
  inputs[0].mi.dy = screen.y * 65535 / (height - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &inputs[0], sizeof(INPUT));
  Pump(100);
  SendInput(2, &inputs[1], sizeof(INPUT));
}

}  // namespace kxua::wine
