#include "ui/layout.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>
#include <set>

#include "ui/class_registry.h"
#include "ui/control.h"

namespace kxua::ui {

namespace {

using Json = LayoutValue;

// Reads the text through the parser while remembering how far it got, so that
// each key the parser reports can be given its line.
class CountingIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, const char* begin, std::size_t* furthest)
      : at_(at), begin_(begin), furthest_(furthest) {}
  reference operator*() const {
    *furthest_ = std::max(*furthest_, static_cast<std::size_t>(at_ - begin_));
    return *at_;
  }
  CountingIterator& operator++() {
    ++at_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator previous = *this;
    ++at_;
    return previous;
  }
  bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
  bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

 private:
  const char* at_;
  const char* begin_;
  std::size_t* furthest_;
};

int LineAt(const LayoutSource& source, std::size_t offset) {
  offset = std::min(offset, source.size);
  return 1 + static_cast<int>(std::count(source.text, source.text + offset, '\n'));
}

// Builds the document and lists the line of every key in document order.
class LineRecordingSax {
 public:
  LineRecordingSax(const LayoutSource& source, Json& root, const std::size_t& offset)
      : source_(source), dom_(root, false), offset_(offset) {}

  bool null() { return dom_.null(); }
  bool boolean(bool value) { return dom_.boolean(value); }
  bool number_integer(Json::number_integer_t value) { return dom_.number_integer(value); }
  bool number_unsigned(Json::number_unsigned_t value) { return dom_.number_unsigned(value); }
  bool number_float(Json::number_float_t value, const std::string& text) {
    return dom_.number_float(value, text);
  }
  bool string(std::string& value) { return dom_.string(value); }
  bool binary(Json::binary_t& value) { return dom_.binary(value); }
  bool start_object(std::size_t size) {
    keys_.emplace_back();
    return dom_.start_object(size);
  }
  bool key(std::string& name) {
    const int line = LineAt(source_, offset_);
    // A repeated key would silently replace the first one.
    if (!keys_.back().insert(name).second)
      throw LayoutError(source_.path, line, "\"" + name + "\" appears twice in one object");
    lines_.push_back(line);
    return dom_.key(name);
  }
  bool end_object() {
    keys_.pop_back();
    return dom_.end_object();
  }
  bool start_array(std::size_t size) { return dom_.start_array(size); }
  bool end_array() { return dom_.end_array(); }
  template <typename Exception>
  bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
    std::string message = error.what();
    // The parser's own text starts with its error number and location.
    const std::size_t colon = message.find(": ", message.find("column"));
    if (colon != std::string::npos) message = message.substr(colon + 2);
    throw LayoutError(source_.path, LineAt(source_, position > 0 ? position - 1 : 0), message);
  }

  std::vector<int> TakeLines() { return std::move(lines_); }

 private:
  const LayoutSource& source_;
  nlohmann::detail::json_sax_dom_parser<Json> dom_;
  const std::size_t& offset_;
  std::vector<std::set<std::string>> keys_;
  std::vector<int> lines_;
};

struct Parsed {
  Json document;
  std::vector<int> keyLines;
};

Parsed Parse(const LayoutSource& source) {
  Parsed parsed;
  std::size_t offset = 0;
  LineRecordingSax sax(source, parsed.document, offset);
  CountingIterator first(source.text, source.text, &offset);
  CountingIterator last(source.text + source.size, source.text, &offset);
  Json::sax_parse(first, last, &sax, nlohmann::detail::input_format_t::json, true, true);
  parsed.keyLines = sax.TakeLines();
  if (!parsed.document.is_object()) throw LayoutError(source.path, 1, "a layout is one object");
  return parsed;
}

// One object of the layout with the lines of its keys.
struct Node {
  const Json* json = nullptr;
  int line = 1;
  std::map<std::string, int> keyLines;
  std::vector<Node> children;
  Component* component = nullptr;
};

// Walks the document in the order the parser saw it, handing out the key lines.
Node Index(const Json& json, const std::vector<int>& lines, std::size_t& next,
           const LayoutSource& source, int line) {
  Node node;
  node.json = &json;
  node.line = line;
  for (auto it = json.begin(); it != json.end(); ++it) {
    const int keyLine = next < lines.size() ? lines[next] : line;
    ++next;
    node.keyLines[it.key()] = keyLine;
    std::size_t skip = 0;  // keys nested inside values that are not children
    std::function<void(const Json&)> count = [&](const Json& value) {
      if (value.is_object())
        for (auto inner = value.begin(); inner != value.end(); ++inner) {
          ++skip;
          count(inner.value());
        }
      else if (value.is_array())
        for (const Json& element : value) count(element);
    };
    if (it.key() == "children") {
      if (!it.value().is_array()) throw LayoutError(source.path, keyLine, "\"children\" is a list");
      for (const Json& child : it.value()) {
        if (!child.is_object())
          throw LayoutError(source.path, keyLine, "each child is an object");
        const int childLine = next < lines.size() ? lines[next] : keyLine;
        node.children.push_back(Index(child, lines, next, source, childLine));
      }
    } else {
      count(it.value());
      next += skip;
    }
  }
  return node;
}

std::string TextOf(const Node& node, const char* key) {
  auto it = node.json->find(key);
  if (it == node.json->end()) return {};
  if (!it->is_string()) return "\x01";  // reported by the caller as not a name
  return it->get<std::string>();
}

// One layout of the chain being loaded, parsed.
struct Level {
  const LayoutSource* source;
  Parsed parsed;
  Node top;
};

class Loader final : public LayoutContext {
 public:
  // `chain` runs from the layout the others extend to the root's own.
  Loader(std::vector<const LayoutSource*> chain, Component& root, const HandlerLookup& handlers,
         const ClassRegistry& classes)
      : chain_(std::move(chain)), root_(root), handlers_(handlers), classes_(classes) {}

  void Run() {
    std::vector<Level> levels;
    levels.reserve(chain_.size());  // nodes point into the parsed documents
    for (const LayoutSource* source : chain_) {
      levels.push_back({source, Parse(*source), {}});
      Level& level = levels.back();
      std::size_t next = 0;
      level.top = Index(level.parsed.document, level.parsed.keyLines, next, *source, 1);
      level.top.component = &root_;
    }
    CheckRoot(levels);
    for (Level& level : levels) {
      source_ = level.source;
      ownComponents_.clear();
      for (Node& child : level.top.children) Create(child, &root_);
    }
    // Fitted once every property is in, the deepest controls first.
    std::vector<Control*> held;
    for (Level& level : levels) Hold(level.top, held);
    struct Release {
      std::vector<Control*>& held;
      ~Release() {
        for (auto it = held.rbegin(); it != held.rend(); ++it) (*it)->ResumeAutoSize();
      }
    } release{held};
    // The layouts extended first: what a layout says of a component it inherits wins.
    for (Level& level : levels) {
      source_ = level.source;
      Apply(level.top);
    }
  }

  Component& Resolve(const std::string& name) override {
    Component* found = root_.FindComponent(WideFromUtf8(name));
    if (found == nullptr) throw PropertyError("no component is named \"" + name + "\"");
    return *found;
  }

  EventHandler Handler(const std::string& name) override {
    EventHandler handler = handlers_ ? handlers_(name) : EventHandler();
    if (!handler) throw PropertyError("no handler is named \"" + name + "\"");
    return handler;
  }

 private:
  [[noreturn]] void Fail(const Node& node, const char* key, const std::string& message) {
    auto it = node.keyLines.find(key);
    throw LayoutError(source_->path, it != node.keyLines.end() ? it->second : node.line, message);
  }

  void CheckRoot(std::vector<Level>& levels) {
    const Node& top = levels.back().top;
    source_ = levels.back().source;
    const std::string declared = TextOf(top, "class");
    const std::string inherits = TextOf(top, "inherits");
    const std::wstring className = root_.ClassName();
    const std::string actual(className.begin(), className.end());
    if (declared.empty()) Fail(top, "class", "the root has no \"class\"");
    if (declared != actual && inherits != actual)
      Fail(top, "class", "the layout is for " + declared + ", not " + actual);
    // A frame's own class is not registered: its properties are those of the first
    // registered class it descends from.
    for (auto level = levels.rbegin(); level != levels.rend() && rootClass_ == nullptr; ++level) {
      rootClass_ = classes_.Find(TextOf(level->top, "class"));
      if (rootClass_ == nullptr) rootClass_ = classes_.Find(TextOf(level->top, "inherits"));
    }
    if (rootClass_ == nullptr) Fail(top, "class", "unknown class " + declared);
  }

  void Create(Node& node, Component* parent) {
    const std::string name = TextOf(node, "name");
    if (name == "\x01") Fail(node, "name", "\"name\" is text");
    Component* inherited = name.empty() ? nullptr : root_.FindComponent(WideFromUtf8(name));
    if (inherited != nullptr) return Extend(node, *inherited);
    const std::string className = TextOf(node, "class");
    if (className.empty()) Fail(node, "class", "a component without \"class\"");
    const ClassInfo* info = classes_.Find(className);
    if (info == nullptr || !info->create) Fail(node, "class", "unknown class " + className);
    Component* component = info->create(&root_);
    component->SetName(WideFromUtf8(name));
    node.component = component;
    infos_[component] = info;
    classNames_[component] = className;
    ownComponents_.insert(component);
    if (auto* control = dynamic_cast<Control*>(component)) {
      auto* parentControl = dynamic_cast<Control*>(parent);
      if (parentControl == nullptr) Fail(node, "class", "a control inside a component that is not one");
      control->SetParent(parentControl);
    }
    for (Node& child : node.children) Create(child, component);
  }

  // A component a layout further down the chain made: this layout sets more of its
  // properties and may add controls inside it, but keeps its class and its place.
  void Extend(Node& node, Component& inherited) {
    // Names compare without case, as the component finder does.
    if (classNames_.count(&inherited) == 0 || !ownComponents_.insert(&inherited).second)
      Fail(node, "name", "the name " + TextOf(node, "name") + " is used twice");
    const std::string className = TextOf(node, "class");
    if (!className.empty() && className != classNames_[&inherited])
      Fail(node, "class", "an inherited " + classNames_[&inherited] + " stays one");
    node.component = &inherited;
    for (Node& child : node.children) Create(child, &inherited);
  }

  static void Hold(Node& node, std::vector<Control*>& held) {
    if (auto* control = dynamic_cast<Control*>(node.component)) {
      control->SuspendAutoSize();
      held.push_back(control);
    }
    for (Node& child : node.children) Hold(child, held);
  }

  void Apply(Node& node) {
    const ClassInfo* info = node.component == &root_ ? rootClass_ : infos_[node.component];
    std::vector<std::pair<std::string, const Json*>> properties;
    for (auto it = node.json->begin(); it != node.json->end(); ++it) {
      const std::string& key = it.key();
      if (key == "class" || key == "name" || key == "children" || key == "inherits") continue;
      Flatten(key, it.value(), key, properties);
    }
    for (const auto& [property, value] : properties) {
      const std::string top = property.substr(0, property.find('.'));
      auto setter = info->properties.find(property);
      if (setter == info->properties.end()) {
        const std::string className =
            node.component == &root_ ? TextOf(node, "class") : classNames_[node.component];
        Fail(node, top.c_str(), "unknown property " + property + " of " + className);
      }
      try {
        setter->second(*node.component, *value, *this);
      } catch (const PropertyError& error) {
        Fail(node, top.c_str(), property + ": " + error.what());
      } catch (const nlohmann::json::exception& error) {
        Fail(node, top.c_str(), property + ": " + error.what());
      }
    }
    for (Node& child : node.children) Apply(child);
  }

  static void Flatten(const std::string& name, const Json& value, const std::string& top,
                      std::vector<std::pair<std::string, const Json*>>& out) {
    if (!value.is_object()) {
      out.emplace_back(name, &value);
      return;
    }
    for (auto it = value.begin(); it != value.end(); ++it)
      Flatten(name + "." + it.key(), it.value(), top, out);
  }

  const std::vector<const LayoutSource*> chain_;
  const LayoutSource* source_ = nullptr;  // the layout being worked on, for messages
  Component& root_;
  const HandlerLookup& handlers_;
  const ClassRegistry& classes_;
  const ClassInfo* rootClass_ = nullptr;
  std::map<Component*, const ClassInfo*> infos_;
  std::map<Component*, std::string> classNames_;  // as the layouts named them
  std::set<Component*> ownComponents_;            // made or extended by this layout
};

// The root class a layout declares, read once per layout: frames look theirs up
// every time one is created. Layouts live as long as the program (embedded, or
// constant texts): their text names them.
const LayoutRoot& CachedRoot(const LayoutSource& source) {
  static std::mutex mutex;
  static std::map<const char*, LayoutRoot> roots;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = roots.find(source.text);
  if (it == roots.end()) it = roots.emplace(source.text, ReadLayoutRoot(source)).first;
  return it->second;
}

const LayoutSource* FindIn(const std::vector<LayoutSource>& layouts, const std::string& className) {
  for (const LayoutSource& source : layouts)
    if (CachedRoot(source).className == className) return &source;
  return nullptr;
}

}  // namespace

LayoutError::LayoutError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), file_(file), line_(line) {}

HandlerLookup HandlersFrom(std::map<std::string, EventHandler> handlers) {
  return [handlers = std::move(handlers)](const std::string& name) {
    auto it = handlers.find(name);
    return it == handlers.end() ? EventHandler() : it->second;
  };
}

void LoadLayout(const LayoutSource& source, Component& root, const HandlerLookup& handlers) {
  LoadLayout(source, root, handlers, StandardClasses());
}

void LoadLayout(const LayoutSource& source, Component& root, const HandlerLookup& handlers,
                const ClassRegistry& classes) {
  Loader({&source}, root, handlers, classes).Run();
}

void LoadLayoutOf(const std::vector<LayoutSource>& layouts, const std::string& className,
                  Component& root, const HandlerLookup& handlers) {
  const ClassRegistry& classes = StandardClasses();
  std::vector<const LayoutSource*> chain{&FindLayout(layouts, className)};
  // A toolkit class ends the chain: a sample layout of a plain TFrame is no base.
  for (;;) {
    const std::string& inherits = CachedRoot(*chain.back()).inherits;
    const LayoutSource* base = classes.Find(inherits) != nullptr ? nullptr : FindIn(layouts, inherits);
    if (base == nullptr) break;
    if (std::find(chain.begin(), chain.end(), base) != chain.end())
      throw LayoutError(chain.back()->path, 1, "the layout inherits itself");
    chain.push_back(base);
  }
  std::reverse(chain.begin(), chain.end());
  Loader(std::move(chain), root, handlers, classes).Run();
}

LayoutRoot ReadLayoutRoot(const LayoutSource& source) {
  Parsed parsed = Parse(source);
  LayoutRoot root;
  const Json& document = parsed.document;
  if (auto it = document.find("class"); it != document.end() && it->is_string())
    root.className = it->get<std::string>();
  if (auto it = document.find("inherits"); it != document.end() && it->is_string())
    root.inherits = it->get<std::string>();
  return root;
}

const LayoutSource& FindLayout(const std::vector<LayoutSource>& family, const std::string& className) {
  if (const LayoutSource* source = FindIn(family, className)) return *source;
  throw LayoutError(className, 0, "no layout for this class");
}

}  // namespace kxua::ui
