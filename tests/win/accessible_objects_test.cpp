// The program's accessibility objects read through the system's oleacc in
// this process, as a reader would read them: the main window's tree of
// names, roles and values, the list's rows while it is open and the errors
// of an object kept after the list closed, the default actions of the
// toolbar's buttons, the About window's links (through the recording shell)
// and close mark, the events raised while typing and searching, and child
// ids out of range.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "app/docking/tb_floating_window_parent.h"
#include "app/toolbar/toolbar_view.h"
#include "search/lookup_combo_view.h"
#include "tests/common/com_ref.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::Click;
using testing_support::ClientCentre;
using testing_support::PressKey;
using testing_support::TypeText;
using testing_support::W;

template <typename Interface>
using Held = testing_support::ComRef<Interface>;

VARIANT Id(LONG child) {
  return testing_support::ChildId(child);
}

std::wstring Take(BSTR text) {
  std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return taken;
}

std::wstring NameOf(IAccessible* object, LONG child = CHILDID_SELF) {
  BSTR name = nullptr;
  object->get_accName(Id(child), &name);
  return Take(name);
}

std::wstring ValueOf(IAccessible* object, LONG child = CHILDID_SELF) {
  BSTR value = nullptr;
  object->get_accValue(Id(child), &value);
  return Take(value);
}

LONG RoleOf(IAccessible* object, LONG child = CHILDID_SELF) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(Id(child), &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

LONG StateOf(IAccessible* object, LONG child = CHILDID_SELF) {
  VARIANT state;
  VariantInit(&state);
  if (FAILED(object->get_accState(Id(child), &state)) || state.vt != VT_I4) return -1;
  return state.lVal;
}

// The client object of `window`, asked as a reader asks.
Held<IAccessible> ClientOf(HWND window) {
  Held<IAccessible> object;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(object.out()));
  return object;
}

// One element of the tree: its name and role, and its children's.
struct Node {
  std::wstring name;
  LONG role = 0;
  std::vector<Node> children;
};

Node Walk(IAccessible* object, int depth = 0) {
  Node node{NameOf(object), RoleOf(object), {}};
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count)) || depth > 8) return node;
  for (LONG child = 1; child <= count; ++child) {
    Held<IDispatch> dispatch;
    if (object->get_accChild(Id(child), dispatch.out()) == S_OK && dispatch) {
      Held<IAccessible> inner;
      dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(inner.out()));
      if (inner) node.children.push_back(Walk(inner.get(), depth + 1));
    } else {
      node.children.push_back(Node{NameOf(object, child), RoleOf(object, child), {}});
    }
  }
  return node;
}

// Every element of the tree under `node` with role `role`, depth first.
void Collect(const Node& node, LONG role, std::vector<const Node*>& found) {
  if (node.role == role) found.push_back(&node);
  for (const Node& child : node.children) Collect(child, role, found);
}

const Node* Find(const Node& tree, LONG role, const std::wstring& name) {
  std::vector<const Node*> found;
  Collect(tree, role, found);
  for (const Node* node : found) {
    if (node->name == name) return node;
  }
  return nullptr;
}

// The events of this process that a reader listening out of context hears.
struct Heard {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<Heard>* listening = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (listening) listening->push_back({event, window, object, child});
}

class AccessibleObjectsTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    ShowAndSettle();
    listening = &heard_;
    hook_ =
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  void TearDown() override {
    if (hook_) UnhookWinEvent(hook_);
    listening = nullptr;
    ProgramWindowsTest::TearDown();
  }

  // Whether an event `event` about `window` (any child when `child` < 0) was heard.
  bool HeardEvent(DWORD event, HWND window, LONG child = -1) const {
    for (const Heard& one : heard_) {
      if (one.event == event && one.window == window && (child < 0 || one.child == child)) return true;
    }
    return false;
  }

  // The name of the object an event names, read at once as a reader does.
  static std::wstring NameOfEvent(const Heard& event) {
    Held<IAccessible> object;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(event.window, static_cast<DWORD>(event.object),
                                         static_cast<DWORD>(event.child), object.out(), &child)))
      return L"?";
    return NameOf(object.get(), child.vt == VT_I4 ? child.lVal : CHILDID_SELF);
  }

  std::vector<Heard> heard_;
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(AccessibleObjectsTest, TheMainWindowsTreeNamesEveryControl) {
  Held<IAccessible> client = ClientOf(Handle());
  ASSERT_TRUE(client);
  const Node tree = Walk(client.get());
  EXPECT_EQ(tree.role, ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(tree.name, W(u8"Телефонный справочник г.Тальмир"));

  const Node* bar = Find(tree, ROLE_SYSTEM_MENUBAR, W(u8"Главное меню"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->children.size(), 3u);
  EXPECT_EQ(bar->children[0].name, W(u8"Работаем"));
  EXPECT_EQ(bar->children[1].name, W(u8"Показать"));
  EXPECT_EQ(bar->children[2].name, L"O...");
  for (const Node& item : bar->children) EXPECT_EQ(item.role, ROLE_SYSTEM_MENUITEM);

  EXPECT_NE(Find(tree, ROLE_SYSTEM_COMBOBOX, W(u8"Подбор по ФИО")), nullptr);
  EXPECT_NE(Find(tree, ROLE_SYSTEM_TEXT, W(u8"Телефон")), nullptr);
  EXPECT_NE(Find(tree, ROLE_SYSTEM_TEXT, W(u8"Окно результата")), nullptr);
  EXPECT_NE(Find(tree, ROLE_SYSTEM_PANE, W(u8"Окно результата")), nullptr);
  EXPECT_NE(Find(tree, ROLE_SYSTEM_STATICTEXT, W(u8"Подбор по ФИО")), nullptr);
  std::vector<const Node*> bars;
  Collect(tree, ROLE_SYSTEM_STATUSBAR, bars);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_NE(bars[0]->name.find(L"Cobbletree Soft 2003"), std::wstring::npos);
  // Nothing anonymous is left but the docks.
  std::vector<const Node*> clients;
  Collect(tree, ROLE_SYSTEM_CLIENT, clients);
  EXPECT_EQ(clients.size(), 1u);  // the window itself

  // The values: the field's template and the memo's first text.
  Held<IAccessible> field = ClientOf(Of("MaskEdit1"));
  ASSERT_TRUE(field);
  EXPECT_EQ(ValueOf(field.get()), L"_-__-__");
  Held<IAccessible> memo = ClientOf(Of("meResult"));
  ASSERT_TRUE(memo);
  EXPECT_EQ(ValueOf(memo.get()), W(u8"Пока ничего нет!"));
  EXPECT_TRUE(StateOf(memo.get()) & STATE_SYSTEM_READONLY);
}

TEST_F(AccessibleObjectsTest, ChildIdsOutOfRangeAndOtherObjectsAreRefused) {
  Held<IAccessible> bar = ClientOf(Of("TBToolbar1"));
  ASSERT_TRUE(bar);
  LONG count = 0;
  ASSERT_EQ(bar->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  BSTR name = nullptr;
  EXPECT_EQ(bar->get_accName(Id(4), &name), E_INVALIDARG);
  EXPECT_EQ(bar->get_accName(Id(-5), &name), E_INVALIDARG);
  EXPECT_EQ(name, nullptr);
  EXPECT_EQ(bar->accDoDefaultAction(Id(99)), E_INVALIDARG);
  VARIANT role;
  VariantInit(&role);
  EXPECT_EQ(bar->get_accRole(Id(4), &role), E_INVALIDARG);
  // The frame stays the system's: its parent is the window's own object.
  Held<IDispatch> parent;
  EXPECT_EQ(bar->get_accParent(parent.out()), S_OK);
  EXPECT_TRUE(parent);
}

TEST_F(AccessibleObjectsTest, TypingInThePickerMovesTheListsFocusToTheFirstMatchingName) {
  Click(ClientCentre(Of("RxDBLookupCombo1")));
  ASSERT_TRUE(SettleUntil(
      [&] { return IsWindowVisible(Of("RxDBLookupCombo1")) && form_->RxDBLookupCombo1->ListVisible(); }));
  auto* combo = dynamic_cast<search::LookupComboView*>(ViewOf("RxDBLookupCombo1"));
  ASSERT_NE(combo, nullptr);
  const HWND list = combo->ListView()->Handle();
  Held<IAccessible> list_object = ClientOf(list);
  ASSERT_TRUE(list_object);
  EXPECT_EQ(NameOf(list_object.get()), W(u8"Подбор по ФИО"));
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_STATECHANGE, Of("RxDBLookupCombo1")));

  heard_.clear();
  TypeText(W(u8"ив"));
  Settle(200);
  const std::wstring first = W(u8"ИВ");
  bool named = false;
  for (const Heard& event : heard_) {
    if (event.window == list &&
        (event.event == EVENT_OBJECT_FOCUS || event.event == EVENT_OBJECT_SELECTION)) {
      named = named || NameOfEvent(event).rfind(first, 0) == 0;
    }
  }
  EXPECT_TRUE(named);
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_VALUECHANGE, Of("RxDBLookupCombo1")));
  // The list's selection is the highlighted row, a name beginning with the letters.
  VARIANT selected;
  VariantInit(&selected);
  ASSERT_EQ(list_object->get_accSelection(&selected), S_OK);
  ASSERT_EQ(selected.vt, VT_I4);
  EXPECT_EQ(NameOf(list_object.get(), selected.lVal).rfind(first, 0), 0u);
  EXPECT_TRUE(StateOf(list_object.get(), selected.lVal) & STATE_SYSTEM_SELECTED);

  // Closed: the object kept refuses every call, without a crash.
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(SettleUntil([&] { return !form_->RxDBLookupCombo1->ListVisible(); }));
  BSTR name = nullptr;
  EXPECT_EQ(list_object->get_accName(Id(CHILDID_SELF), &name), CO_E_OBJNOTCONNECTED);
  LONG count = 5;
  EXPECT_EQ(list_object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(list_object->accDoDefaultAction(Id(1)), CO_E_OBJNOTCONNECTED);
  VARIANT focus;
  VariantInit(&focus);
  EXPECT_EQ(list_object->get_accFocus(&focus), CO_E_OBJNOTCONNECTED);
}

TEST_F(AccessibleObjectsTest, ANumberSearchAnnouncesTheAnswerAsTheMemosValue) {
  // The phone table's current record: a number and its owner.
  wchar_t number[8];
  swprintf(number, 8, L"%05d", form_->daTelTEL->AsInteger());
  const std::wstring owner = ui::Wide(form_->daTelloFIO->AsString());
  ASSERT_FALSE(owner.empty());
  Click(ClientCentre(Of("MaskEdit1")));
  Settle();
  heard_.clear();
  TypeText(number);
  Settle();
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_VALUECHANGE, Of("MaskEdit1")));
  Held<IAccessible> field = ClientOf(Of("MaskEdit1"));
  ASSERT_TRUE(field);
  const std::wstring shown{number[0], L'-', number[1], number[2], L'-', number[3], number[4]};
  EXPECT_EQ(ValueOf(field.get()), shown);
  PressKey(VK_RETURN);
  Settle(200);
  // The memo's window is made anew for its new alignment; its event names the new one.
  const HWND memo = Of("meResult");
  ASSERT_TRUE(HeardEvent(EVENT_OBJECT_VALUECHANGE, memo));
  for (const Heard& event : heard_) {
    if (event.event != EVENT_OBJECT_VALUECHANGE || event.window != memo) continue;
    Held<IAccessible> object;
    VARIANT child;
    VariantInit(&child);
    ASSERT_EQ(AccessibleObjectFromEvent(event.window, static_cast<DWORD>(event.object),
                                        static_cast<DWORD>(event.child), object.out(), &child),
              S_OK);
    EXPECT_NE(ValueOf(object.get()).find(owner), std::wstring::npos);
  }
}

TEST_F(AccessibleObjectsTest, ShowMenuOpensWithAPopupStartAndACheckedToggleAndEscEndsIt) {
  Held<IAccessible> bar = ClientOf(Of("TBToolbar1"));
  ASSERT_TRUE(bar);
  heard_.clear();
  ASSERT_EQ(bar->accDoDefaultAction(Id(2)), S_OK);
  Settle(100);
  auto* toolbar = dynamic_cast<app::ToolbarView*>(ViewOf("TBToolbar1"));
  ASSERT_NE(toolbar, nullptr);
  const HWND menu = toolbar->DropDownHandle();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(IsWindowVisible(menu));
  EXPECT_TRUE(HeardEvent(EVENT_SYSTEM_MENUSTART, Of("TBToolbar1")));
  EXPECT_TRUE(HeardEvent(EVENT_SYSTEM_MENUPOPUPSTART, menu));
  EXPECT_TRUE(StateOf(bar.get(), 2) & STATE_SYSTEM_EXPANDED);
  Held<IAccessible> popup = ClientOf(menu);
  ASSERT_TRUE(popup);
  EXPECT_EQ(RoleOf(popup.get()), ROLE_SYSTEM_MENUPOPUP);
  EXPECT_EQ(NameOf(popup.get()), W(u8"Показать"));
  EXPECT_EQ(NameOf(popup.get(), 1), W(u8"Панель результата"));
  EXPECT_TRUE(StateOf(popup.get(), 1) & STATE_SYSTEM_CHECKED);
  // A reader walking everything while the menus are tracked changes nothing.
  const app::MenuTracker::State state = toolbar->Tracker().CurrentState();
  const Node tree = Walk(ClientOf(Handle()).get());
  EXPECT_FALSE(tree.children.empty());
  Settle();
  EXPECT_TRUE(IsWindowVisible(menu));
  EXPECT_EQ(toolbar->Tracker().Open(), 1);
  EXPECT_EQ(toolbar->Tracker().CurrentState(), state);
  PressKey(VK_ESCAPE);
  Settle(100);
  EXPECT_FALSE(IsWindowVisible(menu));
  EXPECT_TRUE(HeardEvent(EVENT_SYSTEM_MENUPOPUPEND, menu));
  EXPECT_TRUE(HeardEvent(EVENT_SYSTEM_MENUEND, Of("TBToolbar1")));
  BSTR name = nullptr;
  EXPECT_EQ(popup->get_accName(Id(1), &name), CO_E_OBJNOTCONNECTED);
}

TEST_F(AccessibleObjectsTest, TheResultPanelsItemHidesTheResultWindowAsItsDefaultAction) {
  Held<IAccessible> bar = ClientOf(Of("TBToolbar1"));
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->accDoDefaultAction(Id(2)), S_OK);
  Settle(100);
  auto* toolbar = dynamic_cast<app::ToolbarView*>(ViewOf("TBToolbar1"));
  Held<IAccessible> popup = ClientOf(toolbar->DropDownHandle());
  ASSERT_TRUE(popup);
  ASSERT_EQ(popup->accDoDefaultAction(Id(1)), S_OK);
  EXPECT_TRUE(SettleUntil([&] { return !form_->twResult->visible; }));
  EXPECT_FALSE(IsWindowVisible(toolbar->DropDownHandle()));
}

TEST_F(AccessibleObjectsTest, TheAboutCommandsDefaultActionShowsTheAboutWindowWhoseLinksAndMarkWork) {
  Held<IAccessible> bar = ClientOf(Of("TBToolbar1"));
  ASSERT_TRUE(bar);
  EXPECT_EQ(NameOf(bar.get(), 3), L"O...");
  ASSERT_EQ(bar->accDoDefaultAction(Id(3)), S_OK);
  ASSERT_TRUE(SettleUntil([&] { return AboutHandle() && IsWindowVisible(AboutHandle()); }));

  Held<IAccessible> about = ClientOf(AboutHandle());
  ASSERT_TRUE(about);
  const Node tree = Walk(about.get());
  ASSERT_NE(Find(tree, ROLE_SYSTEM_LINK, L"example.com"), nullptr);
  ASSERT_NE(Find(tree, ROLE_SYSTEM_LINK, L"example.org"), nullptr);
  ASSERT_NE(Find(tree, ROLE_SYSTEM_PUSHBUTTON, W(u8"Закрыть")), nullptr);
  std::vector<const Node*> texts;
  Collect(tree, ROLE_SYSTEM_STATICTEXT, texts);
  bool whole_text = false;
  for (const Node* text : texts)
    whole_text = whole_text || text->name.find(L"Cobbletree Soft 2003") != std::wstring::npos;
  EXPECT_TRUE(whole_text);

  Held<IAccessible> link = ClientOf(AboutOf("laLink1"));
  ASSERT_TRUE(link);
  BSTR action = nullptr;
  ASSERT_EQ(link->get_accDefaultAction(Id(CHILDID_SELF), &action), S_OK);
  EXPECT_FALSE(Take(action).empty());
  ASSERT_EQ(link->accDoDefaultAction(Id(CHILDID_SELF)), S_OK);
  ASSERT_TRUE(SettleUntil([&] { return services_.shell.calls.size() == 1; }));
  EXPECT_EQ(services_.shell.calls[0].file, std::string("http://example.com/"));

  Held<IAccessible> mark = ClientOf(AboutOf("laButtomClose"));
  ASSERT_TRUE(mark);
  ASSERT_EQ(mark->accDoDefaultAction(Id(CHILDID_SELF)), S_OK);
  EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(AboutHandle()); }));
}

}  // namespace

namespace {

TEST_F(AccessibleObjectsTest, AFloatingFrameIsAWindowWhoseCloseButtonHidesTheResultWindow) {
  RECT docked;
  GetWindowRect(Of("twResult"), &docked);
  testing_support::DoubleClick(POINT{docked.left + 5, (docked.top + docked.bottom) / 2});
  ASSERT_TRUE(SettleUntil([&] { return form_->twResult->Floating(); }));
  app::TTBFloatingWindowParent* frame = app::FloatingFrameOf(*form_->twResult);
  ASSERT_NE(frame, nullptr);
  const HWND frame_window = window_->ViewOf(*frame)->Handle();
  Held<IAccessible> object = ClientOf(frame_window);
  ASSERT_TRUE(object);
  EXPECT_EQ(RoleOf(object.get()), ROLE_SYSTEM_WINDOW);
  EXPECT_EQ(NameOf(object.get()), W(u8"Окно результата"));
  LONG count = 0;
  ASSERT_EQ(object->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);  // the close button, then the result window inside
  EXPECT_EQ(RoleOf(object.get(), 1), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(NameOf(object.get(), 1), W(u8"Закрыть"));
  // The button's place is on the frame's caption bar, above the client area.
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Id(1)), S_OK);
  RECT outer;
  GetWindowRect(frame_window, &outer);
  POINT client{0, 0};
  ClientToScreen(frame_window, &client);
  EXPECT_GE(top, outer.top);
  EXPECT_LT(top + height, client.y + 1);
  EXPECT_GT(width, 0);
  EXPECT_LE(left + width, outer.right);
  VARIANT hit;
  VariantInit(&hit);
  ASSERT_EQ(object->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
  EXPECT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, 1);
  Held<IDispatch> inner;
  ASSERT_EQ(object->get_accChild(Id(2), inner.out()), S_OK);
  ASSERT_EQ(object->accDoDefaultAction(Id(1)), S_OK);
  EXPECT_TRUE(SettleUntil([&] { return !form_->twResult->visible; }));
}

}  // namespace
