#include "testbed/companion_library.h"

namespace kxua::testbed {

namespace {

struct CompanionState {
  CompanionBehaviour behaviour;
  std::vector<std::wstring> calls;
  std::function<void(const std::wstring&)> observer;
};

CompanionState& State() {
  static CompanionState state;
  return state;
}

void Record(const std::wstring& call) {
  CompanionState& state = State();
  state.calls.push_back(call);
  if (state.observer) state.observer(call);
}

std::wstring Text(const wchar_t* text) { return text != nullptr ? text : L"(null)"; }

// One object of each kind serves every request: the library hands out no memory,
// so a test sees a missing Release in the record, not as a leak.
class Toaster final : public IW8Toaster {
 public:
  void KXUA_PRODUCT_CALL Show(const wchar_t* appId, std::int32_t mode,
                              std::int32_t& result) override {
    Record(L"toaster.Show(" + Text(appId) + L", " + std::to_wstring(mode) + L", " +
           std::to_wstring(result) + L")");
    result = 1;
  }
  void KXUA_PRODUCT_CALL SetPicture(const wchar_t* path) override {
    Record(L"toaster.SetPicture(" + Text(path) + L")");
  }
  void KXUA_PRODUCT_CALL SetTexts(const wchar_t* title, const wchar_t* firstLine,
                                  const wchar_t* secondLine) override {
    Record(L"toaster.SetTexts(" + Text(title) + L"|" + Text(firstLine) + L"|" + Text(secondLine) +
           L")");
  }
  void KXUA_PRODUCT_CALL Reserved3() override { Record(L"toaster.Reserved3"); }
  void KXUA_PRODUCT_CALL Release() override { Record(L"toaster.Release"); }
};

class Info final : public IW8Info {
 public:
  void KXUA_PRODUCT_CALL IsModernDesktopInFront(std::uint8_t& inFront) override {
    Record(L"info.IsModernDesktopInFront(" + std::to_wstring(inFront) + L")");
    inFront = State().behaviour.modernDesktopInFront ? 1 : 0;
  }
  void KXUA_PRODUCT_CALL Release() override { Record(L"info.Release"); }
};

Toaster toaster;
Info info;

}  // namespace

void ResetCompanionLibrary(const CompanionBehaviour& behaviour) {
  State().behaviour = behaviour;
  State().calls.clear();
}

void SetModernDesktopInFront(bool inFront) { State().behaviour.modernDesktopInFront = inFront; }

const std::vector<std::wstring>& CompanionCalls() { return State().calls; }

void SetCompanionObserver(std::function<void(const std::wstring&)> observer) {
  State().observer = std::move(observer);
}

IW8Toaster* CompanionToasterInstance() {
  Record(L"get_w8toaster_instance");
  return State().behaviour.toaster ? &toaster : nullptr;
}

IW8Shortcut* CompanionShortcutInstance() {
  Record(L"get_w8shortcut_instance");
  return nullptr;
}

IW8Info* CompanionInfoInstance() {
  Record(L"get_w8info_instance");
  return State().behaviour.info ? &info : nullptr;
}

}  // namespace kxua::testbed
