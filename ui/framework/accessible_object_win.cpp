#include "ui/framework/accessible_object_win.h"

#include <oleacc.h>

#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "ui/framework/control_view.h"
#include "ui/framework/system_function.h"
#include "ui/framework/wide_text.h"
#include "ui/model/accessible.h"

namespace ui {

namespace {

// --- The system's functions, loaded on first use ---------------------------

using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);
using SysFreeStringFn = void(WINAPI*)(BSTR);

template <typename Fn>
Fn Load(const wchar_t* library, const char* name) {
  return SystemFunction<std::remove_pointer_t<Fn>>(library, name);
}

struct Libraries {
  LresultFromObjectFn lresult_from_object = nullptr;
  CreateStdAccessibleObjectFn create_std_object = nullptr;
  SysAllocStringLenFn alloc_string = nullptr;
  SysFreeStringFn free_string = nullptr;
  bool Complete() const { return lresult_from_object && create_std_object && alloc_string && free_string; }
};

// Loaded by the first request of a reader, in the window's thread (the
// program's one thread), which COM then serves in its apartment.
bool libraries_loaded = false;
const Libraries& System() {
  static const Libraries libraries = [] {
    libraries_loaded = true;
    if (const auto initialize = Load<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx")) {
      initialize(nullptr, COINIT_APARTMENTTHREADED);
    }
    Libraries loaded;
    loaded.lresult_from_object = Load<LresultFromObjectFn>(L"oleacc.dll", "LresultFromObject");
    loaded.create_std_object = Load<CreateStdAccessibleObjectFn>(L"oleacc.dll", "CreateStdAccessibleObject");
    loaded.alloc_string = Load<SysAllocStringLenFn>(L"oleaut32.dll", "SysAllocStringLen");
    loaded.free_string = Load<SysFreeStringFn>(L"oleaut32.dll", "SysFreeString");
    return loaded;
  }();
  return libraries;
}

// A BSTR of 1251 `text` for the caller, or S_FALSE with none for an empty one.
HRESULT AnswerString(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  const std::wstring wide = Wide(text);
  if (!System().alloc_string) return E_OUTOFMEMORY;
  *out = System().alloc_string(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChildId(VARIANT* out, LONG child) {
  out->vt = VT_I4;
  out->lVal = child;
}

LONG SystemRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::kClient:
      return ROLE_SYSTEM_CLIENT;
    case AccessibleRole::kWindow:
      return ROLE_SYSTEM_WINDOW;
    case AccessibleRole::kPane:
      return ROLE_SYSTEM_PANE;
    case AccessibleRole::kMenuBar:
      return ROLE_SYSTEM_MENUBAR;
    case AccessibleRole::kPopupMenu:
      return ROLE_SYSTEM_MENUPOPUP;
    case AccessibleRole::kMenuItem:
      return ROLE_SYSTEM_MENUITEM;
    case AccessibleRole::kSeparator:
      return ROLE_SYSTEM_SEPARATOR;
    case AccessibleRole::kComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::kList:
      return ROLE_SYSTEM_LIST;
    case AccessibleRole::kListItem:
      return ROLE_SYSTEM_LISTITEM;
    case AccessibleRole::kEditableText:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::kStaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::kStatusBar:
      return ROLE_SYSTEM_STATUSBAR;
    case AccessibleRole::kPushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::kLink:
      return ROLE_SYSTEM_LINK;
  }
  return ROLE_SYSTEM_CLIENT;
}

LONG SystemStates(std::uint32_t states) {
  static constexpr struct {
    std::uint32_t ours;
    LONG system;
  } kStates[] = {
      {kAccessibleUnavailable, STATE_SYSTEM_UNAVAILABLE}, {kAccessibleInvisible, STATE_SYSTEM_INVISIBLE},
      {kAccessibleFocusable, STATE_SYSTEM_FOCUSABLE},     {kAccessibleFocused, STATE_SYSTEM_FOCUSED},
      {kAccessibleSelectable, STATE_SYSTEM_SELECTABLE},   {kAccessibleSelected, STATE_SYSTEM_SELECTED},
      {kAccessibleHotTracked, STATE_SYSTEM_HOTTRACKED},   {kAccessibleHasPopup, STATE_SYSTEM_HASPOPUP},
      {kAccessibleExpanded, STATE_SYSTEM_EXPANDED},       {kAccessibleCollapsed, STATE_SYSTEM_COLLAPSED},
      {kAccessibleChecked, STATE_SYSTEM_CHECKED},         {kAccessibleReadOnly, STATE_SYSTEM_READONLY},
      {kAccessibleLinked, STATE_SYSTEM_LINKED},           {kAccessiblePressed, STATE_SYSTEM_PRESSED},
  };
  LONG system = 0;
  for (const auto& state : kStates) {
    if (states & state.ours) system |= state.system;
  }
  return system;
}

// --- The object -------------------------------------------------------------

class ViewObject final : public IAccessible, public AccessibleObject {
 public:
  explicit ViewObject(ControlView& view) : view_(&view) {}

  void Disconnect() override {
    view_ = nullptr;
    Release();
  }

  LRESULT AnswerRequest(WPARAM wparam) override {
    if (!System().Complete()) return 0;
    return System().lresult_from_object(__uuidof(IAccessible), wparam, static_cast<IAccessible*>(this));
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers call the interface's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!System().create_std_object) return E_FAIL;
    return System().create_std_object(view_->Handle(), OBJID_WINDOW, __uuidof(IDispatch),
                                      reinterpret_cast<void**>(parent));
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<LONG>(Description().ChildCount() + ChildWindows().size());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    if (!child) return E_POINTER;
    *child = nullptr;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    if (part == 0) return E_INVALIDARG;
    ViewObject* window = WindowChild(part);
    if (!window) return S_FALSE;  // a simple element: asked about through this object
    window->AddRef();
    *child = static_cast<IAccessible*>(window);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    return AnswerText(id, name, [](const AccessibleElement& element) { return element.name; });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    return AnswerText(id, value, [](const AccessibleElement& element) { return element.value; });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
    return AnswerText(id, text, [](const AccessibleElement&) { return std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* text) override {
    return AnswerText(id, text, [](const AccessibleElement&) { return std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* text) override {
    return AnswerText(id, text, [](const AccessibleElement& element) { return element.keyboard_shortcut; });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* text) override {
    return AnswerText(id, text, [](const AccessibleElement& element) { return element.default_action; });
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (!role) return E_POINTER;
    role->vt = VT_EMPTY;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    SetChildId(role, SystemRole(Element(part).role));
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    if (!state) return E_POINTER;
    state->vt = VT_EMPTY;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    LONG states = SystemStates(Element(part).states);
    if (part == 0) {
      const HWND window = view_->Handle();
      if (!IsWindowVisible(window)) states |= STATE_SYSTEM_INVISIBLE;
      if (GetFocus() == window) states |= STATE_SYSTEM_FOCUSED;
    }
    SetChildId(state, states);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    // A menu or a list leaves the keyboard focus where it is: its highlighted
    // part is its focus while it shows.
    if (const int part = Description().FocusedChild(); part > 0) {
      SetChildId(focus, part);
      return S_OK;
    }
    const HWND focused = GetFocus();
    if (focused == view_->Handle()) {
      SetChildId(focus, CHILDID_SELF);
      return S_OK;
    }
    const std::vector<ViewObject*> windows = ChildWindows();
    for (ViewObject* window : windows) {
      const HWND handle = window->view_->Handle();
      if (focused == handle || IsChild(handle, focused)) {
        window->AddRef();
        focus->vt = VT_DISPATCH;
        focus->pdispVal = static_cast<IAccessible*>(window);
        return S_OK;
      }
    }
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    selection->vt = VT_EMPTY;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const std::vector<int> selected = Description().SelectedChildren();
    if (selected.empty()) return S_FALSE;
    // The list selects one row at a time.
    SetChildId(selection, selected.front());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT id) override {
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    return DISP_E_MEMBERNOTFOUND;  // a reader moves through the controls as the user does
  }

  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    const base::Rect bounds = Element(part).bounds;
    POINT origin{bounds.left, bounds.top};
    ClientToScreen(view_->Handle(), &origin);
    *left = origin.x;
    *top = origin.y;
    *width = bounds.Width();
    *height = bounds.Height();
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    end->vt = VT_EMPTY;
    int part = 0;
    if (const HRESULT checked = Check(start, part); checked != S_OK) return checked;
    const int count = Description().ChildCount() + static_cast<int>(ChildWindows().size());
    int target = 0;
    switch (direction) {
      case NAVDIR_FIRSTCHILD:
        target = part == 0 ? 1 : 0;
        break;
      case NAVDIR_LASTCHILD:
        target = part == 0 ? count : 0;
        break;
      case NAVDIR_NEXT:
      case NAVDIR_DOWN:
      case NAVDIR_RIGHT:
        target = part > 0 ? part + 1 : 0;
        break;
      case NAVDIR_PREVIOUS:
      case NAVDIR_UP:
      case NAVDIR_LEFT:
        target = part > 0 ? part - 1 : 0;
        break;
      default:
        return E_INVALIDARG;
    }
    if (target < 1 || target > count) return S_FALSE;
    if (ViewObject* window = WindowChild(target)) {
      window->AddRef();
      end->vt = VT_DISPATCH;
      end->pdispVal = static_cast<IAccessible*>(window);
    } else {
      SetChildId(end, target);
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    hit->vt = VT_EMPTY;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    POINT at{x, y};
    ScreenToClient(view_->Handle(), &at);
    const std::vector<ViewObject*> windows = ChildWindows();
    for (ViewObject* window : windows) {
      RECT place;
      GetWindowRect(window->view_->Handle(), &place);
      if (IsWindowVisible(window->view_->Handle()) && PtInRect(&place, POINT{x, y})) {
        window->AddRef();
        hit->vt = VT_DISPATCH;
        hit->pdispVal = static_cast<IAccessible*>(window);
        return S_OK;
      }
    }
    const int part = Description().HitTest(base::Point{at.x, at.y});
    if (part < 0) return S_FALSE;
    SetChildId(hit, part);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    if (part > Description().ChildCount()) return DISP_E_MEMBERNOTFOUND;  // a child window answers for itself
    return Description().DoDefaultAction(part) ? S_OK : DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ViewObject() = default;

  bool Connected() const { return view_ && view_->Handle(); }
  AccessibleDescription& Description() const { return view_->Accessible(); }

  // The objects of the view's child windows that are views, in the windows' order.
  std::vector<ViewObject*> ChildWindows() const {
    std::vector<ViewObject*> objects;
    for (HWND child = GetWindow(view_->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (auto* view = dynamic_cast<ControlView*>(Window::FromHandle(child))) {
        objects.push_back(static_cast<ViewObject*>(&view->AccessibleObjectOf()));
      }
    }
    return objects;
  }

  // The object of child window `part` (ids after the simple elements), or null.
  ViewObject* WindowChild(int part) const {
    const int index = part - 1 - Description().ChildCount();
    if (index < 0) return nullptr;
    const std::vector<ViewObject*> windows = ChildWindows();
    return index < static_cast<int>(windows.size()) ? windows[static_cast<std::size_t>(index)] : nullptr;
  }

  // S_OK with `part` set for a connected object and a child id in range.
  HRESULT Check(const VARIANT& id, int& part) const {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (id.vt != VT_I4) return E_INVALIDARG;
    const LONG count = static_cast<LONG>(Description().ChildCount() + ChildWindows().size());
    if (id.lVal < 0 || id.lVal > count) return E_INVALIDARG;
    part = static_cast<int>(id.lVal);
    return S_OK;
  }

  // The element `part` describes: the control, a simple element, or a child
  // window as its own object describes itself.
  AccessibleElement Element(int part) const {
    if (part == 0) return Description().Self();
    if (part <= Description().ChildCount()) return Description().Child(part);
    ViewObject* window = WindowChild(part);
    AccessibleElement element = window->Description().Self();
    // Its bounds in this window's client coordinates.
    RECT place;
    GetWindowRect(window->view_->Handle(), &place);
    MapWindowPoints(nullptr, view_->Handle(), reinterpret_cast<POINT*>(&place), 2);
    element.bounds = base::Rect{place.left, place.top, place.right, place.bottom};
    return element;
  }

  template <typename Field>
  HRESULT AnswerText(const VARIANT& id, BSTR* out, Field field) {
    if (!out) return E_POINTER;
    *out = nullptr;
    int part = 0;
    if (const HRESULT checked = Check(id, part); checked != S_OK) return checked;
    return AnswerString(field(Element(part)), out);
  }

  ControlView* view_;
  LONG references_ = 1;
};

}  // namespace

AccessibleObject* AccessibleObject::Create(ControlView& view) {
  return new ViewObject(view);
}

void NotifyAccessibleEvent(HWND window, DWORD event, int child) {
  if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

namespace {

// UI Automation's notification, by its values (NotificationKind_ActionCompleted,
// NotificationProcessing_MostRecent), so no header of it is needed.
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 4;
using HostProviderFn = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationFn = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

}  // namespace

void AnnounceText(HWND window, const std::string& text) {
  if (!window || text.empty()) return;
  // Only once a reader asked for an object, or says it runs: an answer
  // costs no library otherwise.
  BOOL reader = FALSE;
  SystemParametersInfoW(SPI_GETSCREENREADER, 0, &reader, 0);
  if (!libraries_loaded && !reader) return;
  static const auto host = Load<HostProviderFn>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
  static const auto raise = Load<RaiseNotificationFn>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
  const Libraries& system = System();
  if (!host || !raise || !system.alloc_string) return;
  IUnknown* provider = nullptr;
  if (FAILED(host(window, &provider)) || !provider) return;
  const std::wstring wide = Wide(text);
  static constexpr wchar_t kActivity[] = L"phonebook.answer";
  const BSTR spoken = system.alloc_string(wide.data(), static_cast<UINT>(wide.size()));
  const BSTR activity = system.alloc_string(kActivity, static_cast<UINT>(std::size(kActivity) - 1));
  if (spoken && activity) raise(provider, kActionCompleted, kMostRecent, spoken, activity);
  if (spoken) system.free_string(spoken);
  if (activity) system.free_string(activity);
  provider->Release();
}

}  // namespace ui
