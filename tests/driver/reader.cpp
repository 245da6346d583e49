#include "tests/driver/reader.h"

#include "tests/driver/program_under_test.h"

namespace driver {

namespace {

// The one reader whose hook is installed (the hook's callback has no context).
Reader* listening_reader = nullptr;

std::string TakeText(BSTR text) {
  std::string taken = text ? Utf8(std::wstring(text, SysStringLen(text))) : std::string();
  SysFreeString(text);
  return taken;
}

long TakeLong(const VARIANT& value) {
  return value.vt == VT_I4 ? value.lVal : 0;
}

}  // namespace

Reader::Reader(DWORD process) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (process == 0) return;
  listening_reader = this;
  // Only the program's events are asked for, so no WINEVENT_SKIPOWNPROCESS:
  // Wine 8 takes that flag against the watched process and then delivers
  // nothing.
  hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
}

Reader::~Reader() {
  if (hook_) UnhookWinEvent(hook_);
  if (listening_reader == this) listening_reader = nullptr;
  heard_.clear();
  CoUninitialize();
}

ComRef<IAccessible> Reader::ClientOf(HWND window) {
  ComRef<IAccessible> object;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(object.out()));
  return object;
}

ReadElement Reader::Read(IAccessible* object, LONG child, int depth) {
  ReadElement element;
  const VARIANT id = ChildId(child);
  BSTR text = nullptr;
  element.result = object->get_accName(id, &text);
  element.name = TakeText(text);
  text = nullptr;
  object->get_accValue(id, &text);
  element.value = TakeText(text);
  VARIANT number;
  VariantInit(&number);
  if (SUCCEEDED(object->get_accRole(id, &number))) element.role = TakeLong(number);
  VariantInit(&number);
  if (SUCCEEDED(object->get_accState(id, &number))) element.state = TakeLong(number);
  if (child != CHILDID_SELF || depth <= 0 || FAILED(element.result)) return element;
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count))) return element;
  for (LONG part = 1; part <= count; ++part) {
    ComRef<IDispatch> dispatch;
    if (object->get_accChild(ChildId(part), dispatch.out()) == S_OK && dispatch) {
      ComRef<IAccessible> inner;
      dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(inner.out()));
      if (inner) element.children.push_back(Read(inner.get(), CHILDID_SELF, depth - 1));
    } else {
      element.children.push_back(Read(object, part, 0));
    }
  }
  return element;
}

ReadElement Reader::Tree(HWND window, int depth) {
  ComRef<IAccessible> client = ClientOf(window);
  if (!client) {
    ReadElement none;
    none.result = E_FAIL;
    return none;
  }
  return Read(client.get(), CHILDID_SELF, depth);
}

void Reader::Listen(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount64() < end);
}

void CALLBACK Reader::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                              DWORD) {
  Reader* reader = listening_reader;
  if (!reader) return;
  HeardEvent heard{event, window, object, child, {}, false};
  // What a reader speaks on; the rest (moves, shows, name changes of
  // windows) is only counted.
  switch (event) {
    case EVENT_OBJECT_FOCUS:
    case EVENT_OBJECT_SELECTION:
    case EVENT_OBJECT_VALUECHANGE:
    case EVENT_OBJECT_STATECHANGE:
    case EVENT_SYSTEM_MENUSTART:
    case EVENT_SYSTEM_MENUEND:
    case EVENT_SYSTEM_MENUPOPUPSTART:
    case EVENT_SYSTEM_MENUPOPUPEND:
      break;
    default:
      reader->heard_.push_back(std::move(heard));
      return;
  }
  ComRef<IAccessible> source;
  VARIANT part;
  VariantInit(&part);
  if (SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                          source.out(), &part)) &&
      source) {
    heard.read = true;
    heard.element = Read(source.get(), part.vt == VT_I4 ? part.lVal : CHILDID_SELF, 0);
  }
  reader->heard_.push_back(std::move(heard));
}

std::size_t ElementCount(const ReadElement& tree) {
  std::size_t count = 1;
  for (const ReadElement& child : tree.children) count += ElementCount(child);
  return count;
}

std::vector<const ReadElement*> ElementsWithRole(const ReadElement& tree, long role) {
  std::vector<const ReadElement*> found;
  if (tree.role == role) found.push_back(&tree);
  for (const ReadElement& child : tree.children) {
    const std::vector<const ReadElement*> below = ElementsWithRole(child, role);
    found.insert(found.end(), below.begin(), below.end());
  }
  return found;
}

}  // namespace driver
