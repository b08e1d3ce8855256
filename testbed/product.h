// The whole stand-in product that the demo and the end-to-end tests run the
// library against: its alerts manager and an application context serving the
// translator (with the product's texts in its language) and the action manager.
#pragma once

#include <string>

#include "testbed/action_manager.h"
#include "testbed/alerts_manager.h"
#include "testbed/application_context.h"
#include "testbed/translator.h"

namespace kxua::testbed {

class Product {
 public:
  explicit Product(const std::wstring& language = L"eng");
  ~Product();
  Product(const Product&) = delete;
  Product& operator=(const Product&) = delete;

  AlertsManager& Manager() { return manager_; }
  // The product's own reference; callers add theirs.
  ApplicationContext* Context() { return context_; }
  ActionManager& Actions() { return *actions_; }
  Dictionary& Texts() { return *dictionary_; }
  const std::wstring& Language() const { return language_; }

 private:
  std::wstring language_;
  AlertsManager manager_;
  ApplicationContext* context_;
  Dictionary* dictionary_;
  ActionManager* actions_;
};

}  // namespace kxua::testbed
