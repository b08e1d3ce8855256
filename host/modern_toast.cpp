#include "host/modern_toast.h"

#include <cstdint>
#include <memory>

#include "kxua/companion.h"
#include "model/product_folders.h"
#include "model/product_info.h"
#include "model/white_label_catalogue.h"
#include "platform/platform.h"

namespace kxua {

namespace {

constexpr wchar_t kFeatureFlag[] = L"HasMetroFunctionality";
constexpr wchar_t kTitleKey[] = L"STRING_IDS_PRODUCT_LONGNAME";
constexpr wchar_t kFirstLine[] = L"Tienes nuevas notificaciones";
constexpr wchar_t kSecondLine[] = L"Pulsa aqu\u00ED para revisarlas";
constexpr wchar_t kPictureName[] = L"MetroAlert.png";
constexpr wchar_t kBeforeShowLine[] = L"Before call ShowToast()";
constexpr std::int32_t kShowMode = 1;

// The companion library, loaded for one use and freed when this goes.
class CompanionLibrary {
 public:
  CompanionLibrary() : module_(platform::Get().LoadModule(CompanionLibraryPath())) {
    if (module_ == 0) return;
    platform::Modules& modules = platform::Get();
    toaster_ =
        reinterpret_cast<W8ToasterFactory>(modules.FindFunction(module_, kToasterFactoryName));
    shortcut_ =
        reinterpret_cast<W8ShortcutFactory>(modules.FindFunction(module_, kShortcutFactoryName));
    info_ = reinterpret_cast<W8InfoFactory>(modules.FindFunction(module_, kInfoFactoryName));
  }
  ~CompanionLibrary() {
    if (module_ != 0) platform::Get().UnloadModule(module_);
  }
  CompanionLibrary(const CompanionLibrary&) = delete;
  CompanionLibrary& operator=(const CompanionLibrary&) = delete;

  // The library counts only with all of its entry points, used or not.
  bool Usable() const {
    return module_ != 0 && toaster_ != nullptr && shortcut_ != nullptr && info_ != nullptr;
  }
  IW8Toaster* CreateToaster() const { return toaster_(); }

  bool ModernDesktopInFront() const {
    IW8Info* info = info_();
    if (info == nullptr) return false;
    std::uint8_t inFront = 0;
    info->IsModernDesktopInFront(inFront);
    info->Release();
    return inFront != 0;
  }

 private:
  platform::ModuleHandle module_;
  W8ToasterFactory toaster_ = nullptr;
  W8ShortcutFactory shortcut_ = nullptr;
  W8InfoFactory info_ = nullptr;
};

// Gives a toaster back even when raising the toast fails half-way.
struct ReleaseToaster {
  void operator()(IW8Toaster* toaster) const { toaster->Release(); }
};

}  // namespace

std::wstring CompanionLibraryPath() {
  const std::wstring folder = GetInstallFolder();
  if (folder.find(kCompanionLibraryName) != std::wstring::npos) return folder;
  if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/')
    return folder + kCompanionLibraryName;
  return folder + L'\\' + kCompanionLibraryName;
}

bool ModernDesktopInFront() {
  CompanionLibrary library;
  return library.Usable() && library.ModernDesktopInFront();
}

void RaiseModernToast(CZYMUtils& translator) {
  if (ProductFlag(kFeatureFlag) != true) return;
  CompanionLibrary library;
  if (!library.Usable() || !library.ModernDesktopInFront()) return;
  std::unique_ptr<IW8Toaster, ReleaseToaster> toaster(library.CreateToaster());
  if (!toaster) return;

  const std::wstring title = EnsureWhiteLabelCatalogue().GetString(kTitleKey);
  const std::wstring firstLine = translator.Translate(kFirstLine);
  const std::wstring secondLine = translator.Translate(kSecondLine);
  toaster->SetTexts(title.c_str(), firstLine.c_str(), secondLine.c_str());
  const std::wstring picture = GetImagesFolder() + kPictureName;
  toaster->SetPicture(picture.c_str());
  platform::Get().DebugOutput(kBeforeShowLine);
  std::int32_t result = 0;
  toaster->Show(kModernToastAppId, kShowMode, result);
}

}  // namespace kxua
