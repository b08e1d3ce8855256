// Tests of translations: a context that serves "UA.TranslatorManager", and nothing
// else, over a dictionary the test fills.
#pragma once

#include <gtest/gtest.h>

#include "kxua/services.h"
#include "platform/sim/sim_platform.h"
#include "testbed/application_context.h"
#include "testbed/translator.h"

namespace kxua::test {

class TranslatorTest : public ::testing::Test {
 protected:
  TranslatorTest() { context->Register(progid::TranslatorManager, translator); }
  ~TranslatorTest() override {
    translator->Release();
    dictionary->Release();
    context->Release();
  }

  sim::ScopedSimPlatform sim;
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
  testbed::Dictionary* dictionary = new testbed::Dictionary;
  testbed::TranslatorManager* translator = new testbed::TranslatorManager(dictionary);
};

}  // namespace kxua::test
