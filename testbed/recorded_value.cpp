#include "testbed/recorded_value.h"

namespace kxua::testbed {

std::wstring ToString(BSTR text) {
  return text == nullptr ? std::wstring() : std::wstring(text, SysStringLen(text));
}

RecordedValue Record(const VARIANT& value) {
  RecordedValue recorded;
  recorded.type = value.vt;
  switch (value.vt) {
    case VT_BSTR: recorded.text = ToString(value.bstrVal); break;
    case VT_I2: recorded.number = value.iVal; break;
    case VT_I4: recorded.number = value.lVal; break;
    case VT_INT: recorded.number = value.intVal; break;
    case VT_UI4: recorded.number = value.ulVal; break;
    case VT_UINT: recorded.number = value.uintVal; break;
    case VT_I8: recorded.number = value.llVal; break;
    case VT_BOOL: recorded.number = value.boolVal; break;
    case VT_DISPATCH: recorded.object = value.pdispVal != nullptr; break;
    case VT_UNKNOWN: recorded.object = value.punkVal != nullptr; break;
    default: break;
  }
  return recorded;
}

std::ostream& operator<<(std::ostream& out, const RecordedValue& v) {
  out << "{vt " << v.type;
  if (v.type == VT_BSTR) {
    out << ", \"";
    for (wchar_t c : v.text) out << (c < 0x80 ? static_cast<char>(c) : '?');
    out << '"';
  } else if (v.type == VT_DISPATCH || v.type == VT_UNKNOWN) {
    out << (v.object ? ", object" : ", null");
  } else if (v.type != VT_EMPTY) {
    out << ", " << v.number;
  }
  return out << '}';
}

}  // namespace kxua::testbed
