// The modern-desktop toast path against the stand-in companion library: the calls
// and their order, and every way the path ends quietly without leaving the library
// loaded.
#include "host/modern_toast.h"

#include <functional>

#include "branding_fixture.h"
#include "testbed/application_context.h"
#include "testbed/companion_library.h"
#include "testbed/companion_sim.h"
#include "testbed/product_services.h"
#include "testbed/translator.h"

namespace kxua {
namespace {

using testbed::DemoBrand;

const std::wstring kLibrary = std::wstring(DemoBrand::kInstallFolder) + L"KXW8Utils.dll";

std::vector<std::uint8_t> ProductInfoWith(const std::string& properties) {
  const std::string text = "<product_info><version name=\"DEFAULT\"><general>" + properties +
                           "</general></version></product_info>";
  return {text.begin(), text.end()};
}

const std::wstring kRaw = DemoBrand::ProductDataFolder() + L"\\res\\Current\\raw\\";

// The stand-in with one of its entry points left out.
void RegisterWithout(sim::SimPlatform& sim, const char* missing) {
  for (const auto& [name, function] :
       {std::pair<const char*, void*>{kToasterFactoryName,
                                      reinterpret_cast<void*>(&testbed::CompanionToasterInstance)},
        {kShortcutFactoryName, reinterpret_cast<void*>(&testbed::CompanionShortcutInstance)},
        {kInfoFactoryName, reinterpret_cast<void*>(&testbed::CompanionInfoInstance)}})
    if (std::string(name) != missing) sim.AddModuleFunction(kLibrary, name, function);
}

class ModernToastTest : public BrandingTest {
 protected:
  ModernToastTest() {
    testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
    testbed::ResetCompanionLibrary();
    // The library's calls with what the test needs to see between them: the
    // debugger lines written meanwhile, and whether the library was still loaded.
    testbed::SetCompanionObserver([this](const std::wstring& call) {
      TakeDebugLines();
      if (sim->LoadedModuleCount() != 1) log.push_back(L"(library not loaded)");
      log.push_back(call);
    });
    dictionary->Add(L"Tienes nuevas notificaciones", L"You have new notifications");
    context->Register(progid::TranslatorManager, translator);
    translatorUtils.Initialize(CZYMUtils::kAlertClient, context);
  }
  ~ModernToastTest() override {
    testbed::SetCompanionObserver(nullptr);
    ProductInfoManager::ResetForTests();  // before the context goes
    translator->Release();
    dictionary->Release();
    context->Release();
  }

  void TakeDebugLines() {
    const auto& lines = sim->DebugLines();
    for (; debugLinesSeen < lines.size(); ++debugLinesSeen)
      log.push_back(L"debugger: " + lines[debugLinesSeen]);
  }
  std::vector<std::wstring> Raise() {
    RaiseModernToast(translatorUtils);
    TakeDebugLines();
    return log;
  }
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
  testbed::ContextClassRegistration registration{context};  // the product information's own
  testbed::Dictionary* dictionary = new testbed::Dictionary;
  testbed::TranslatorManager* translator = new testbed::TranslatorManager(dictionary);
  CZYMUtils translatorUtils;
  std::vector<std::wstring> log;
  std::size_t debugLinesSeen = 0;
};

TEST_F(ModernToastTest, RaisesTheToastAfterAskingTheInformationObject) {
  testbed::RegisterCompanionLibrary(*sim, kLibrary);
  const std::vector<std::wstring> expected = {
      L"get_w8info_instance",
      L"info.IsModernDesktopInFront(0)",
      L"info.Release",
      L"get_w8toaster_instance",
      L"toaster.SetTexts(Harbor Guard Seguridad en Internet|You have new notifications|"
      L"Pulsa aqu\u00ED para revisarlas)",
      L"toaster.SetPicture(" + DemoBrand::ProductDataFolder() +
          L"\\res\\Current\\images\\MetroAlert.png)",
      L"debugger: Before call ShowToast()",
      L"toaster.Show(2F6DEE05-20A1-41C1-A7E1-56986F205EA2, 1, 0)",
      L"toaster.Release",
  };
  EXPECT_EQ(expected, Raise());
  EXPECT_EQ(1, sim->ModuleLoads(kLibrary));
  EXPECT_EQ(0, sim->LoadedModuleCount());
}

struct QuietCase {
  const char* name;
  void (*setUp)(sim::SimPlatform&, testbed::ApplicationContext*);
  int loads;  // of the companion library
  std::vector<std::wstring> calls;
};

void PrintTo(const QuietCase& c, std::ostream* out) { *out << c.name; }

void ProductInfoOf(sim::SimPlatform& sim, const std::string& properties) {
  testbed::RegisterCompanionLibrary(sim, kLibrary);
  sim.SetFile(kRaw + L"KXProductInfo.xml", ProductInfoWith(properties));
}

void Behaving(sim::SimPlatform& sim, const testbed::CompanionBehaviour& behaviour) {
  testbed::RegisterCompanionLibrary(sim, kLibrary);
  testbed::ResetCompanionLibrary(behaviour);
}

const QuietCase kQuietCases[] = {
    {"FlagFalseForTheInstalledVersion",
     [](auto& sim, auto* context) {
       testbed::RegisterCompanionLibrary(sim, kLibrary);
       auto* freeEdition = new testbed::ProductInfo(DemoBrand::kFreeVersionType);
       context->Register(progid::ProductInfo, freeEdition);
       freeEdition->Release();
     },
     0,
     {}},
    {"FlagAbsent", [](auto& sim, auto* context) { ProductInfoOf(sim, ""); }, 0, {}},
    {"FlagNotABoolean",
     [](auto& sim, auto* context) {
       ProductInfoOf(sim,
                     "<property name=\"HasMetroFunctionality\" value=\"true\" type=\"VT_BSTR\"/>");
     },
     0,
     {}},
    {"ProductInformationUnreadable",
     [](auto& sim, auto* context) {
       testbed::RegisterCompanionLibrary(sim, kLibrary);
       sim.SetFile(kRaw + L"KXProductInfo.xml", {});
     },
     0,
     {}},
    {"LibraryMissing", [](auto&, auto*) {}, 0, {}},
    {"ToasterEntryPointMissing",
     [](auto& sim, auto* context) { RegisterWithout(sim, kToasterFactoryName); },
     1,
     {}},
    {"ShortcutEntryPointMissing",
     [](auto& sim, auto* context) { RegisterWithout(sim, kShortcutFactoryName); },
     1,
     {}},
    {"InformationEntryPointMissing",
     [](auto& sim, auto* context) { RegisterWithout(sim, kInfoFactoryName); },
     1,
     {}},
    {"NoInformationObject",
     [](auto& sim, auto* context) {
       Behaving(sim, {true, true, false});
     },
     1,
     {L"get_w8info_instance"}},
    {"ModernDesktopNotInFront",
     [](auto& sim, auto* context) {
       Behaving(sim, {false, true, true});
     },
     1,
     {L"get_w8info_instance", L"info.IsModernDesktopInFront(0)", L"info.Release"}},
    {"NoToasterObject",
     [](auto& sim, auto* context) {
       Behaving(sim, {true, false, true});
     },
     1,
     {L"get_w8info_instance", L"info.IsModernDesktopInFront(0)", L"info.Release",
      L"get_w8toaster_instance"}},
};

class ModernToastEndsQuietly : public ModernToastTest,
                               public ::testing::WithParamInterface<QuietCase> {};

TEST_P(ModernToastEndsQuietly, WithoutAToastAndWithTheLibraryFreed) {
  GetParam().setUp(*sim, context);
  EXPECT_EQ(GetParam().calls, Raise());
  EXPECT_EQ(GetParam().loads, sim->ModuleLoads(kLibrary));
  EXPECT_EQ(0, sim->LoadedModuleCount());
}

INSTANTIATE_TEST_SUITE_P(Cases, ModernToastEndsQuietly, ::testing::ValuesIn(kQuietCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModernToastTest, LibraryPathFromTheInstallationFolder) {
  struct Case {
    const wchar_t* folder;
    const wchar_t* path;
  };
  const Case cases[] = {
      {L"C:\\Product\\", L"C:\\Product\\KXW8Utils.dll"},
      {L"C:\\Product", L"C:\\Product\\KXW8Utils.dll"},
      {L"D:\\Elsewhere\\KXW8Utils.dll", L"D:\\Elsewhere\\KXW8Utils.dll"},
      {L"", L"KXW8Utils.dll"},  // the system's library search
  };
  for (const Case& c : cases) {
    SetSetupText(L"Path", c.folder);
    EXPECT_EQ(c.path, CompanionLibraryPath()) << c.folder;
  }
}

TEST_F(ModernToastTest, AFolderValueNamingTheLibraryIsLoadedAsItStands) {
  const std::wstring library = L"D:\\Elsewhere\\KXW8Utils.dll";
  SetSetupText(L"Path", library);
  testbed::RegisterCompanionLibrary(*sim, library);
  const std::vector<std::wstring> calls = Raise();
  EXPECT_EQ(1, sim->ModuleLoads(library));
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(L"toaster.Release", calls.back());
  EXPECT_EQ(0, sim->LoadedModuleCount());
}

TEST_F(ModernToastTest, ModernDesktopInFrontIsTheInformationObjectsAnswer) {
  EXPECT_FALSE(ModernDesktopInFront()) << "without the library";
  testbed::RegisterCompanionLibrary(*sim, kLibrary);
  for (bool inFront : {true, false}) {
    testbed::ResetCompanionLibrary({inFront, true, true});
    EXPECT_EQ(inFront, ModernDesktopInFront());
    EXPECT_EQ((std::vector<std::wstring>{L"get_w8info_instance", L"info.IsModernDesktopInFront(0)",
                                         L"info.Release"}),
              testbed::CompanionCalls());
    EXPECT_EQ(0, sim->LoadedModuleCount());
  }
}

}  // namespace
}  // namespace kxua
