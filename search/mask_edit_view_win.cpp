#include "search/mask_edit_view.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "search/number_field_accessible.h"
#include "ui/framework/global_memory.h"
#include "ui/framework/platform_services.h"
#include "ui/framework/wide_text.h"

namespace search {

namespace {

bool Has(ui::TShiftState shift, ui::TShiftBit bit) {
  return (shift & (1u << bit)) != 0;
}

// The keys of the field's key-down table.
MaskKey MaskKeyOf(WORD key) {
  switch (key) {
    case VK_LEFT:
      return MaskKey::kLeft;
    case VK_RIGHT:
      return MaskKey::kRight;
    case VK_UP:
      return MaskKey::kUp;
    case VK_DOWN:
      return MaskKey::kDown;
    case VK_HOME:
      return MaskKey::kHome;
    case VK_END:
      return MaskKey::kEnd;
    case VK_DELETE:
      return MaskKey::kDelete;
    case VK_BACK:
      return MaskKey::kBackspace;
    default:
      return MaskKey::kOther;
  }
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

// Holds the clipboard open while it lives.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

MaskEditView::MaskEditView(TMaskEdit& edit, ui::FormWindow& form) : ControlView(edit, form), edit_(edit) {
  edit_.SetScreen(this);
}

MaskEditView::~MaskEditView() {
  edit_.SetScreen(nullptr);
}

void MaskEditView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL;
  if (edit_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = edit_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!edit_.ctl3d) style |= WS_BORDER;  // flat: one plain line
  CreateControlWindow(parent, top_level, L"TMaskEdit", ex_style, style, ui::Wide(edit_.EditText()), L"EDIT");
  ApplyFont();
  if (edit_.max_length > 0) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(edit_.max_length), 0);
  ShowState();
}

// --- The field's state on the screen ---

void MaskEditView::OnChanged(ui::ControlChange what) {
  if (what == ui::ControlChange::kText) ShowState();
}

void MaskEditView::ShowState() {
  if (!Handle()) return;
  const std::wstring text = ui::Wide(edit_.EditText());
  if (WindowText(Handle()) != text) {
    SetWindowTextW(Handle(), text.c_str());
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
  }
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(std::max(edit_.max_length, 0)), 0);
  SendMessageW(Handle(), EM_SETMODIFY, edit_.Modified() ? TRUE : FALSE, 0);
  const MaskEditState& state = edit_.State();
  if (edit_.Masked() && state.ShowsCursor()) {
    SelectPlace(state.sel_start);
  } else {
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(state.Anchor()),
                 static_cast<LPARAM>(state.Active()));
  }
}

void MaskEditView::SelectPlace(int place) {
  const bool right_to_left = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  const WORD arrow = right_to_left ? VK_RIGHT : VK_LEFT;
  SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(place + 1), static_cast<LPARAM>(place + 1));
  std::array<BYTE, 256> saved{};
  GetKeyboardState(saved.data());
  std::array<BYTE, 256> stroke = saved;
  // Shift and the arrow down, nothing else that changes the edit control's
  // answer (a Ctrl still held from Ctrl+V would move by words).
  for (const int released : {VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU, VK_RMENU}) {
    stroke[static_cast<std::size_t>(released)] &= 0x7F;
  }
  stroke[VK_SHIFT] |= 0x80;
  stroke[arrow] |= 0x80;
  SetKeyboardState(stroke.data());
  // Straight to the edit control's own procedure: the stroke is not the
  // user's, so no key-down handler may see it (nor read the shift keys for it).
  setting_cursor_ = true;
  DefaultHandling(WM_KEYDOWN, arrow, 1);
  setting_cursor_ = false;
  SetKeyboardState(saved.data());
}

void MaskEditView::ReadScreen() {
  if (!Handle()) return;
  const std::wstring shown = WindowText(Handle());
  if (edit_.Masked()) {
    // A masked text changes only through the field: whatever the edit
    // control did to it by itself is undone.
    if (shown != ui::Wide(edit_.EditText())) ShowState();
  } else if (const std::string text = ui::Narrow(shown); text != edit_.EditText()) {
    edit_.ScreenEdited(text);
  }
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const MaskEditState& state = edit_.State();
  if (static_cast<int>(start) == state.sel_start && static_cast<int>(end) == state.sel_end) return;
  edit_.ScreenSelected(static_cast<int>(start), static_cast<int>(end));
}

// --- Keys ---

bool MaskEditView::OnKeyDown(WORD key, ui::TShiftState shift) {
  if (setting_cursor_) return false;  // the stroke is the edit control's alone
  pressed_ = false;
  ReadScreen();
  const MaskShift mask_shift{Has(shift, ui::ssShift), Has(shift, ui::ssCtrl), Has(shift, ui::ssAlt)};
  if (key == VK_INSERT && mask_shift.shift && !mask_shift.ctrl && !mask_shift.alt && edit_.Masked()) {
    // Shift+Insert pastes through the field (the edit control would paste
    // into itself without asking).
    SendMessageW(Handle(), WM_PASTE, 0, 0);
    return true;
  }
  // What the field leaves (Ctrl+arrows, Alt, keys off its table) goes to the
  // edit control; the selection it makes is read before the next action.
  return edit_.KeyDown(MaskKeyOf(key), mask_shift);
}

bool MaskEditView::OnChar(char& key) {
  ReadScreen();
  // False: unmasked, or Ctrl+C/V/X, for the edit control to type, copy,
  // paste or cut (its paste and cut come back here as WM_PASTE and WM_CUT).
  return edit_.KeyPress(key);
}

LRESULT MaskEditView::OnGetDlgCodeFor(LRESULT standard, const MSG* asked) {
  // While modified, Esc belongs to the field (it returns to the old value).
  if (asked && asked->message == WM_KEYDOWN && asked->wParam == VK_ESCAPE && edit_.WantsEscape()) {
    return standard | DLGC_WANTMESSAGE;
  }
  return standard;
}

// --- Mouse and focus ---

bool MaskEditView::OnMouseDown(const ui::MouseInput&) {
  // The edit control takes the focus on a press; Entered hears it came by the mouse.
  pressed_ = true;
  return false;
}

bool MaskEditView::OnMouseUp(const ui::MouseInput& input) {
  pressed_ = false;
  const UINT message = input.button == ui::TMouseButton::mbRight    ? WM_RBUTTONUP
                       : input.button == ui::TMouseButton::mbMiddle ? WM_MBUTTONUP
                                                                    : WM_LBUTTONUP;
  WPARAM keys = 0;
  if (Has(input.shift, ui::ssShift)) keys |= MK_SHIFT;
  if (Has(input.shift, ui::ssCtrl)) keys |= MK_CONTROL;
  DefaultHandling(message, keys, MAKELPARAM(input.at.x, input.at.y));
  // The click and the field's release handling see the selection the press
  // and the drag made.
  ReadScreen();
  return true;
}

void MaskEditView::Entered() {
  const bool by_mouse = pressed_;
  pressed_ = false;
  edit_.Enter(by_mouse);
}

void MaskEditView::Exited() {
  pressed_ = false;
  ReadScreen();
  edit_.Exit();
}

void MaskEditView::FocusBack() {
  if (Handle()) SetFocus(Handle());
}

void MaskEditView::Beep() {
  ui::ServicesOf(edit_).beeper->MessageBeep(0);
}

// --- Clipboard ---

bool MaskEditView::OnEditCommand(ui::EditCommand command) {
  if (!edit_.Masked()) return false;
  switch (command) {
    case ui::EditCommand::kPaste:
      ReadScreen();
      if (const std::optional<std::string> text = ClipboardText()) edit_.Paste(*text);
      return true;
    case ui::EditCommand::kCut:
      ReadScreen();
      edit_.Cut();
      return true;
    case ui::EditCommand::kClear:
      ReadScreen();
      edit_.ClearSelection();
      return true;
    case ui::EditCommand::kUndo:
      return true;  // refused: the edit control's undo would bypass the mask
    case ui::EditCommand::kCopy:
      break;  // the edit control copies the selected text as it is shown
  }
  return false;
}

LRESULT MaskEditView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // The edit control's undo would bypass the mask.
  if (edit_.Masked() && (message == EM_UNDO || message == EM_CANUNDO)) return FALSE;
  return DefaultHandling(message, wparam, lparam);
}

std::optional<std::string> MaskEditView::ClipboardText() {
  OpenedClipboard clipboard(Handle());
  if (!clipboard.Open()) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  const ui::LockedGlobal<const wchar_t> chars(data);
  if (!chars.Data()) return std::nullopt;
  // Bounded by the block's size: the text need not end in a null.
  const std::size_t length = wcsnlen(chars.Data(), chars.Count());
  return ui::Narrow(std::wstring_view(chars.Data(), length));
}

void MaskEditView::SetClipboardText(const std::string& text) {
  const std::wstring wide = ui::Wide(text);
  OpenedClipboard clipboard(Handle());
  if (!clipboard.Open()) return;
  EmptyClipboard();
  ui::GlobalBlock block(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (!block.Get()) return;
  {
    const ui::LockedGlobal<wchar_t> chars(block.Get());
    if (!chars.Data()) return;
    std::copy(wide.begin(), wide.end(), chars.Data());
    chars.Data()[wide.size()] = L'\0';
  }
  // The clipboard owns the block once it took it.
  if (SetClipboardData(CF_UNICODETEXT, block.Get())) block.Release();
}

std::unique_ptr<ui::AccessibleDescription> MaskEditView::MakeAccessible() {
  return std::make_unique<NumberFieldAccessible>(edit_);
}

}  // namespace search
