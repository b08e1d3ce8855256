// Declarative layouts: a JSON file per frame, embedded in the binary at build time,
// that names the frame's components with their classes and properties and wires
// their events to the frame's handlers by name.
//
//   { "class": "TfrExample", "inherits": "TFrame", "Width": 327, "Color": 16777215,
//     "children": [
//       { "class": "TPanel", "name": "Panel1", "Align": "alTop", "Height": 60,
//         "Font": { "Name": "Tahoma", "Height": -11, "Style": ["fsBold"] },
//         "OnMouseDown": "Panel1MouseDown", "children": [ ... ] } ] }
//
// Objects inside an object set dotted properties ("Font.Name"). Controls in
// "children" are placed in the object that lists them; every component belongs to
// the root. Comments are allowed. Any error names the file and line.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/component.h"

namespace kxua::ui {

class ClassRegistry;

struct LayoutSource {
  const char* path;  // the file in the source tree, for messages
  const char* text;
  std::size_t size;
};

class LayoutError : public std::runtime_error {
 public:
  LayoutError(const std::string& file, int line, const std::string& message);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }

 private:
  std::string file_;
  int line_;
};

// The handler of that name; an empty handler when there is none (a layout error).
using HandlerLookup = std::function<EventHandler(const std::string& name)>;
HandlerLookup HandlersFrom(std::map<std::string, EventHandler> handlers);

// Creates the layout's components (owned by `root`) and sets every property, the
// root's included. The layout's root class must be the root's class or the class
// it names under "inherits". Throws LayoutError; the components made until then
// stay with the root.
void LoadLayout(const LayoutSource& source, Component& root, const HandlerLookup& handlers);
void LoadLayout(const LayoutSource& source, Component& root, const HandlerLookup& handlers,
                const ClassRegistry& classes);

// Loads the layout of `className` from `layouts` the way form inheritance works:
// when its "inherits" names the class of another layout of `layouts`, that layout
// (and what it inherits in turn) is loaded first. A component a layout names that
// an inherited layout made is the same component: the layout sets more of its
// properties (its own win) and may add controls inside it; it keeps its class,
// which the layout may leave out or must repeat unchanged. Any other name makes a
// new component. The texts of `layouts` must live as long as the program, as
// embedded layouts do. Throws LayoutError.
void LoadLayoutOf(const std::vector<LayoutSource>& layouts, const std::string& className,
                  Component& root, const HandlerLookup& handlers);

// The root class a layout declares ("class", and "inherits" when present).
struct LayoutRoot {
  std::string className;
  std::string inherits;
};
LayoutRoot ReadLayoutRoot(const LayoutSource& source);

// The layout of `family` whose root class is `className`. Each layout's root is
// read once: frames look theirs up every time one is created. Throws LayoutError
// when the family has none.
const LayoutSource& FindLayout(const std::vector<LayoutSource>& family, const std::string& className);

}  // namespace kxua::ui
