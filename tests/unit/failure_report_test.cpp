// The question boxes that report failures, and what each answer does.
#include <gtest/gtest.h>

#include "model/automation_error.h"
#include "model/failure_report.h"
#include "platform/sim/sim_platform.h"

namespace kxua {
namespace {

constexpr wchar_t kPrompt[] = L"\nPress [Y]es to terminate,[N]o to continue and [C]ancel to Debug";

TEST(FailureReport, FailedCallNamesTheExpressionTheErrorAndThePlace) {
  struct Case {
    HRESULT code;
    std::wstring message;
  } cases[] = {
      {E_NOINTERFACE, L"'Query()': No such interface supported @ file.cpp/42"},
      {static_cast<HRESULT>(0x80041234u), L"(Query()) Error: 80041234 (-2147216844) @ file.cpp/42"},
  };
  for (const Case& c : cases) {
    sim::ScopedSimPlatform sim;
    EXPECT_EQ(c.code, CheckResult(c.code, "Query()", "file.cpp", 42));
    ASSERT_EQ(1u, sim->Questions().size());
    EXPECT_EQ(L"HRCHECK: ", sim->Questions()[0].title);
    EXPECT_EQ(c.message + kPrompt, sim->Questions()[0].text);
  }
}

TEST(FailureReport, SuccessIsNotReported) {
  sim::ScopedSimPlatform sim;
  EXPECT_EQ(S_FALSE, CheckResult(S_FALSE, "Call()", "file.cpp", 1));
  EXPECT_TRUE(sim->Questions().empty());
}

TEST(FailureReport, AnswersAbandonContinueOrBreak) {
  sim::ScopedSimPlatform sim;
  sim->SetAnswer(platform::Answer::Cancel);
  EXPECT_EQ(E_FAIL, CheckResult(E_FAIL, "Call()", "file.cpp", 1));
  EXPECT_EQ(1, sim->DebuggerBreaks());

  sim->SetAnswer(platform::Answer::Yes);
  try {
    CheckResult(E_FAIL, "Call()", "file.cpp", 1);
    FAIL() << "Yes must abandon the operation";
  } catch (const AutomationError& error) {
    EXPECT_EQ(E_FAIL, error.Code());
    EXPECT_EQ(L"'Call()': Unspecified error @ file.cpp/1", error.Message());
  }
}

TEST(FailureReport, AssertionAbandonsWithEFailOnYes) {
  sim::ScopedSimPlatform sim;
  ReportAssertion("p != nullptr", "ptr.h", 7);
  ASSERT_EQ(1u, sim->Questions().size());
  EXPECT_EQ(L"_ASSERTE: ", sim->Questions()[0].title);
  EXPECT_EQ(std::wstring(L"p != nullptr @ ptr.h/7") + kPrompt, sim->Questions()[0].text);

  sim->SetAnswer(platform::Answer::Yes);
  try {
    ReportAssertion("p != nullptr", "ptr.h", 7);
    FAIL() << "Yes must abandon the operation";
  } catch (const AutomationError& error) {
    EXPECT_EQ(E_FAIL, error.Code());
    EXPECT_EQ(L"p != nullptr failed - ptr.h/7", error.Message());
  }
}

}  // namespace
}  // namespace kxua
