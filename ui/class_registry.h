// Which classes a layout may name: for each, how to make one and the properties it
// takes. The standard classes are registered explicitly by RegisterStandardClasses.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "ui/component.h"

namespace kxua::ui {

using LayoutValue = nlohmann::ordered_json;

// What a property setter may ask of the layout being loaded.
class LayoutContext {
 public:
  // The root's component of that name; throws PropertyError when there is none.
  virtual Component& Resolve(const std::string& name) = 0;
  // The handler of that name; throws PropertyError when there is none.
  virtual EventHandler Handler(const std::string& name) = 0;

 protected:
  ~LayoutContext() = default;
};

// A property value the setter cannot take; the loader adds the file and line.
class PropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using PropertySetter = std::function<void(Component&, const LayoutValue&, LayoutContext&)>;
using PropertyTable = std::map<std::string, PropertySetter>;

struct ClassInfo {
  std::function<Component*(Component* owner)> create;  // null: only the root may be one
  PropertyTable properties;
};

class ClassRegistry {
 public:
  void Register(const std::string& name, ClassInfo info) { classes_[name] = std::move(info); }
  const ClassInfo* Find(const std::string& name) const {
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, ClassInfo> classes_;
};

// The toolkit's classes under their runtime names (TPanel, TLabel, THTMLabel, the
// controls package's TKXUA... classes, TTimer, TForm, TFrame, ...).
void RegisterStandardClasses(ClassRegistry& registry);
// A registry holding the standard classes, made on first use.
const ClassRegistry& StandardClasses();

// Text of a layout value: UTF-8 to the system's wide characters.
std::wstring WideFromUtf8(const std::string& text);

}  // namespace kxua::ui
