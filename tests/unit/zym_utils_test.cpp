// CZYMUtils: attaching or creating the context, object look-ups, and translations
// with the cached dictionary.
#include <gtest/gtest.h>

#include "model/automation_error.h"
#include "model/zym_utils.h"
#include "platform/sim/sim_platform.h"
#include "testbed/action_manager.h"
#include "testbed/application_context.h"
#include "testbed/translator.h"
#include "tests/unit/translator_fixture.h"

namespace kxua {
namespace {

class ZymUtilsTest : public test::TranslatorTest {
 protected:
  ZymUtilsTest() { dictionary->Add(L"Ocultar", L"Hide"); }
};

TEST_F(ZymUtilsTest, AttachesAHostContextOnce) {
  CZYMUtils utils;
  EXPECT_EQ(S_OK, utils.Initialize(CZYMUtils::kAlertClient, context));
  EXPECT_TRUE(utils.IsInitialized());
  EXPECT_EQ(context, utils.Context());
  EXPECT_EQ(S_OK, utils.Initialize(L"other", nullptr)) << "a second call does nothing";
  EXPECT_EQ(context, utils.Context());
  EXPECT_TRUE(context->InitializeNames().empty()) << "a host context is not initialised again";
}

TEST_F(ZymUtilsTest, CreatesTheContextClassWhenNoneIsGiven) {
  CZYMUtils unregistered;
  EXPECT_EQ(REGDB_E_CLASSNOTREG, unregistered.Initialize(CZYMUtils::kConsoleClient, nullptr));
  EXPECT_FALSE(unregistered.IsInitialized());
  EXPECT_EQ(L"Ocultar", unregistered.Translate(L"Ocultar"));

  testbed::ContextClassRegistration registration(context);
  CZYMUtils utils;
  EXPECT_EQ(S_OK, utils.Initialize(CZYMUtils::kConsoleClient, nullptr));
  EXPECT_EQ(context, utils.Context());
  ASSERT_EQ(1u, context->InitializeNames().size());
  EXPECT_EQ(CZYMUtils::kConsoleClient, context->InitializeNames()[0]);
}

TEST_F(ZymUtilsTest, ContextWithoutTheInterfaceIsReported) {
  auto* notAContext = new testbed::ActionObject;
  CZYMUtils utils;
  EXPECT_EQ(E_NOINTERFACE, utils.Initialize(CZYMUtils::kAlertClient, notAContext));
  EXPECT_FALSE(utils.IsInitialized());
  ASSERT_EQ(1u, sim->Questions().size());
  EXPECT_EQ(L"HRCHECK: ", sim->Questions()[0].title);
  EXPECT_NE(std::wstring::npos, sim->Questions()[0].text.find(L"No such interface supported"));
  notAContext->Release();
}

TEST_F(ZymUtilsTest, TranslatesWithTheDictionaryLookedUpOnce) {
  CZYMUtils utils;
  EXPECT_EQ(L"Ocultar", utils.Translate(L"Ocultar")) << "not initialised: the id itself";
  utils.Initialize(CZYMUtils::kAlertClient, context);
  EXPECT_EQ(L"Hide", utils.Translate(L"Ocultar"));
  EXPECT_EQ(L"IDS_MISSING", utils.Translate(L"IDS_MISSING"));
  EXPECT_EQ(L"", utils.Translate(L""));
  int lookups = 0;
  for (const auto& name : context->Lookups()) lookups += name == progid::TranslatorManager;
  EXPECT_EQ(1, lookups);
  EXPECT_EQ(3, dictionary->TranslateCalls());
}

TEST_F(ZymUtilsTest, PrefersTheConsolesTranslator) {
  auto* consoleWords = new testbed::Dictionary;
  consoleWords->Add(L"Ocultar", L"Hide (console)");
  auto* console = new testbed::Console(consoleWords);
  context->Register(progid::Console, console);
  CZYMUtils utils;
  utils.Initialize(CZYMUtils::kAlertClient, context);
  EXPECT_EQ(L"Hide (console)", utils.Translate(L"Ocultar"));
  EXPECT_EQ(0, dictionary->TranslateCalls());
  console->Release();
  consoleWords->Release();
}

TEST_F(ZymUtilsTest, GetObjectIsEmptyWithoutContextOrRegistration) {
  CZYMUtils utils;
  EXPECT_FALSE(utils.GetObject(progid::ActionManager));
  utils.Initialize(CZYMUtils::kAlertClient, context);
  EXPECT_FALSE(utils.GetObject(progid::ActionManager));
  EXPECT_TRUE(utils.GetObject(progid::TranslatorManager));
  EXPECT_TRUE(sim->Questions().empty()) << "a missing object is silent";
}

TEST_F(ZymUtilsTest, InstanceIsSharedWhileHeld) {
  auto first = CZYMUtils::Instance();
  EXPECT_EQ(first, CZYMUtils::Instance());
  first->Initialize(CZYMUtils::kAlertClient, context);
  const ULONG held = context->References();
  first.reset();
  EXPECT_EQ(held - 1, context->References()) << "the last holder releases the context";
}

}  // namespace
}  // namespace kxua
