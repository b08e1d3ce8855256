// The product contract as a product built by another compiler sees it: each object
// is a pointer to a table of plain functions that take the object first, in the
// slot order of kxua/alerts.h and kxua/companion.h, with the width's one product
// convention (stdcall on i686, the only convention on x86_64). Calls made through
// the library's declarations must land on the slot of the same name, with their
// arguments intact, and a table made by the library must answer a product's call
// at the slot it names.
#include <cstdint>

#include "check.h"
#include "kxua/alerts.h"
#include "kxua/companion.h"

using kxua::wine::Check;

namespace {

// What a product's object records: the slot called and the arguments it saw.
struct ProductObject {
  const void* const* table;
  int slot = -1;
  const void* argument = nullptr;
};

void Saw(ProductObject* self, int slot, const void* argument) {
  self->slot = slot;
  self->argument = argument;
}

std::int32_t KXUA_PRODUCT_CALL GetText(ProductObject* self, const wchar_t* key, wchar_t* out) {
  Saw(self, 0, key);
  out[0] = L'x';
  out[1] = 0;
  return 0;
}
std::int32_t KXUA_PRODUCT_CALL GetNumber(ProductObject* self, const wchar_t* key,
                                         std::int32_t& value) {
  Saw(self, 1, key);
  value = -7;
  return 0;
}
std::int32_t KXUA_PRODUCT_CALL GetNumber64(ProductObject* self, const wchar_t* key,
                                           std::uint64_t& value) {
  Saw(self, 2, key);
  value = 0x123456789ABCDEF0ull;
  return 0;
}
std::int32_t KXUA_PRODUCT_CALL GetFlag(ProductObject* self, const wchar_t* key, std::uint8_t& value) {
  Saw(self, 3, key);
  value = 2;
  return 0;
}
// The slots the library never calls.
std::int32_t KXUA_PRODUCT_CALL Unused(ProductObject* self) {
  Saw(self, -2, nullptr);
  return -1;
}
std::int32_t KXUA_PRODUCT_CALL SetResponse(ProductObject* self, const std::int32_t& response) {
  Saw(self, 5, &response);
  return 0;
}
const void* const kNotificationTable[] = {
    reinterpret_cast<const void*>(&GetText),     reinterpret_cast<const void*>(&GetNumber),
    reinterpret_cast<const void*>(&GetNumber64), reinterpret_cast<const void*>(&GetFlag),
    reinterpret_cast<const void*>(&Unused),      reinterpret_cast<const void*>(&SetResponse)};

std::uint32_t KXUA_PRODUCT_CALL Count(ProductObject* self) {
  Saw(self, 0, nullptr);
  return 3;
}
kxua::IUINotification* KXUA_PRODUCT_CALL Item(ProductObject* self, const std::uint32_t& index) {
  Saw(self, 2, &index);
  return nullptr;
}
const void* const kSourceTable[] = {reinterpret_cast<const void*>(&Count),
                                    reinterpret_cast<const void*>(&Unused),
                                    reinterpret_cast<const void*>(&Item)};

std::int32_t KXUA_PRODUCT_CALL GetTotalCount(ProductObject* self, std::uint32_t& count) {
  Saw(self, 0, nullptr);
  count = 11;
  return 0;
}
std::int32_t KXUA_PRODUCT_CALL GetCount(ProductObject* self, const std::int32_t& list,
                                        std::uint32_t& count) {
  Saw(self, 1, &list);
  count = 12;
  return 0;
}
std::int32_t KXUA_PRODUCT_CALL GetAlert(ProductObject* self, const std::int32_t& list,
                                        const std::int32_t& index, kxua::IUIAlertSource*& source) {
  Saw(self, 2, &index);
  source = nullptr;
  return list;
}
std::int32_t KXUA_PRODUCT_CALL RemoveAlert(ProductObject* self, const std::int32_t& list,
                                           const std::int32_t& index) {
  Saw(self, 4, &index);
  return list;
}
std::int32_t KXUA_PRODUCT_CALL SetCallBack(ProductObject* self,
                                           kxua::IUIAlertsManagerCallBack* callback) {
  Saw(self, 5, callback);
  return 0;
}
const void* const kManagerTable[] = {
    reinterpret_cast<const void*>(&GetTotalCount), reinterpret_cast<const void*>(&GetCount),
    reinterpret_cast<const void*>(&GetAlert),      reinterpret_cast<const void*>(&Unused),
    reinterpret_cast<const void*>(&RemoveAlert),   reinterpret_cast<const void*>(&SetCallBack)};

void KXUA_PRODUCT_CALL Show(ProductObject* self, const wchar_t* appId, std::int32_t mode,
                            std::int32_t& result) {
  Saw(self, 0, appId);
  result = mode;
}
void KXUA_PRODUCT_CALL SetPicture(ProductObject* self, const wchar_t* path) { Saw(self, 1, path); }
void KXUA_PRODUCT_CALL SetTexts(ProductObject* self, const wchar_t* title, const wchar_t*,
                                const wchar_t* secondLine) {
  Saw(self, 2, secondLine);
}
void KXUA_PRODUCT_CALL ReleaseToaster(ProductObject* self) { Saw(self, 4, nullptr); }
void KXUA_PRODUCT_CALL NotCalled(ProductObject* self) { Saw(self, -2, nullptr); }
const void* const kToasterTable[] = {
    reinterpret_cast<const void*>(&Show), reinterpret_cast<const void*>(&SetPicture),
    reinterpret_cast<const void*>(&SetTexts), reinterpret_cast<const void*>(&NotCalled),
    reinterpret_cast<const void*>(&ReleaseToaster)};

void KXUA_PRODUCT_CALL IsModernDesktopInFront(ProductObject* self, std::uint8_t& inFront) {
  Saw(self, 0, nullptr);
  inFront = 1;
}
void KXUA_PRODUCT_CALL ReleaseInfo(ProductObject* self) { Saw(self, 1, nullptr); }
const void* const kInfoTable[] = {reinterpret_cast<const void*>(&IsModernDesktopInFront),
                                  reinterpret_cast<const void*>(&ReleaseInfo)};

template <class Interface>
Interface* As(ProductObject& object) {
  return reinterpret_cast<Interface*>(&object);
}

void CheckNotification() {
  ProductObject object{kNotificationTable};
  auto* notification = As<kxua::IUINotification>(object);
  const wchar_t key[] = L"MainText";
  wchar_t text[4] = {};
  std::int32_t number = 0;
  std::uint64_t number64 = 0;
  std::uint8_t flag = 0;
  const std::int32_t response = kxua::ResponseDeny;

  Check(notification->GetText(key, text) == 0 && object.slot == 0 && object.argument == key &&
            text[0] == L'x',
        "notification: GetText is slot 0 and gets the key and the buffer");
  Check(notification->GetNumber(key, number) == 0 && object.slot == 1 && number == -7,
        "notification: GetNumber is slot 1");
  Check(notification->GetNumber64(key, number64) == 0 && object.slot == 2 &&
            number64 == 0x123456789ABCDEF0ull,
        "notification: GetNumber64 is slot 2 and keeps all 64 bits");
  Check(notification->GetFlag(key, flag) == 0 && object.slot == 3 && flag == 2,
        "notification: GetFlag is slot 3 and takes one byte");
  Check(notification->SetResponse(response) == 0 && object.slot == 5 && object.argument == &response,
        "notification: SetResponse is slot 5 and gets the response by address");
}

void CheckSourceAndManager() {
  ProductObject sourceObject{kSourceTable};
  auto* source = As<kxua::IUIAlertSource>(sourceObject);
  const std::uint32_t index = 1;
  Check(source->Count() == 3 && sourceObject.slot == 0, "alert source: Count is slot 0");
  Check(source->Item(index) == nullptr && sourceObject.slot == 2 && sourceObject.argument == &index,
        "alert source: Item is slot 2 and gets the index by address");

  ProductObject managerObject{kManagerTable};
  auto* manager = As<kxua::IUIAlertsManager>(managerObject);
  const std::int32_t list = kxua::ListCampaigns;
  const std::int32_t first = 0;
  std::uint32_t count = 0;
  kxua::IUIAlertSource* found = reinterpret_cast<kxua::IUIAlertSource*>(&sourceObject);
  Check(manager->GetTotalCount(count) == 0 && managerObject.slot == 0 && count == 11,
        "manager: GetTotalCount is slot 0");
  Check(manager->GetCount(list, count) == 0 && managerObject.slot == 1 && count == 12 &&
            managerObject.argument == &list,
        "manager: GetCount is slot 1");
  Check(manager->GetAlert(list, first, found) == list && managerObject.slot == 2 &&
            managerObject.argument == &first && found == nullptr,
        "manager: GetAlert is slot 2, with the list, the index and the source's address");
  Check(manager->RemoveAlert(list, first) == list && managerObject.slot == 4 &&
            managerObject.argument == &first,
        "manager: RemoveAlert is slot 4");
  auto* callback = reinterpret_cast<kxua::IUIAlertsManagerCallBack*>(&sourceObject);
  Check(manager->SetCallBack(callback) == 0 && managerObject.slot == 5 &&
            managerObject.argument == callback,
        "manager: SetCallBack is slot 5 and gets the whole pointer");
}

// The one table the library makes for the product.
class Callback : public kxua::IUIAlertsManagerCallBack {
 public:
  std::int32_t KXUA_PRODUCT_CALL OnNewAlert() override { return called = 0, 20; }
  std::int32_t KXUA_PRODUCT_CALL OnAlertsChanged() override { return called = 1, 21; }
  int called = -1;
};

void CheckCallback() {
  Callback callback;
  using Operation = std::int32_t(KXUA_PRODUCT_CALL*)(void*);
  const auto* table = *reinterpret_cast<Operation* const*>(&callback);
  Check(table[0](&callback) == 20 && callback.called == 0,
        "callback: a product's call to slot 0 runs OnNewAlert");
  Check(table[1](&callback) == 21 && callback.called == 1,
        "callback: a product's call to slot 1 runs OnAlertsChanged");
}

void CheckCompanion() {
  ProductObject toasterObject{kToasterTable};
  auto* toaster = As<kxua::IW8Toaster>(toasterObject);
  std::int32_t result = 0;
  toaster->Show(kxua::kModernToastAppId, 1, result);
  Check(toasterObject.slot == 0 && toasterObject.argument == kxua::kModernToastAppId && result == 1,
        "toaster: Show is slot 0 with the application id and the mode");
  toaster->SetPicture(L"p.png");
  Check(toasterObject.slot == 1, "toaster: SetPicture is slot 1");
  const wchar_t second[] = L"second";
  toaster->SetTexts(L"title", L"first", second);
  Check(toasterObject.slot == 2 && toasterObject.argument == second,
        "toaster: SetTexts is slot 2 and gets its three texts in order");
  toaster->Release();
  Check(toasterObject.slot == 4, "toaster: Release is slot 4");

  ProductObject infoObject{kInfoTable};
  auto* info = As<kxua::IW8Info>(infoObject);
  std::uint8_t inFront = 0;
  info->IsModernDesktopInFront(inFront);
  Check(infoObject.slot == 0 && inFront == 1, "info: IsModernDesktopInFront is slot 0");
  info->Release();
  Check(infoObject.slot == 1, "info: Release is slot 1");
}

}  // namespace

int main() {
  CheckNotification();
  CheckSourceAndManager();
  CheckCallback();
  CheckCompanion();
  return kxua::wine::Summary();
}
