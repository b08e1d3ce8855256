// A VARIANT argument as the stand-in product saw it, kept after the call: its type
// exactly, and its text, number or object.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <ostream>
#include <string>

#include "kxua/com.h"

namespace kxua::testbed {

struct RecordedValue {
  VARTYPE type = VT_EMPTY;
  std::wstring text;        // VT_BSTR
  std::int64_t number = 0;  // the integer types
  bool object = false;      // VT_DISPATCH or VT_UNKNOWN with a non-null object

  static RecordedValue Text(const std::wstring& text) { return {VT_BSTR, text, 0, false}; }
  static RecordedValue Number(VARTYPE type, std::int64_t number) { return {type, {}, number, false}; }

  friend bool operator==(const RecordedValue& a, const RecordedValue& b) {
    return a.type == b.type && a.text == b.text && a.number == b.number && a.object == b.object;
  }
  friend std::ostream& operator<<(std::ostream& out, const RecordedValue& v);
};

RecordedValue Record(const VARIANT& value);

// The text of a BSTR; a null BSTR is the empty text.
std::wstring ToString(BSTR text);

// The named values an object's SetItem received, the last per name; safe from any
// thread.
class RecordedItems {
 public:
  void Set(BSTR name, const VARIANT& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    items_[ToString(name)] = Record(value);
  }
  std::map<std::wstring, RecordedValue> Items() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return items_;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::wstring, RecordedValue> items_;
};

}  // namespace kxua::testbed
