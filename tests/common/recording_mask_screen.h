// The screen side of a masked edit box for host tests: it records the beeps,
// the clipboard and what the peer was told, and answers "focus back" as the
// platform does, by reporting the focus's arrival. Type() sends each
// character as the platform does: a key-down, then the character.
#pragma once

#include <string>
#include <string_view>

#include "search/mask_edit.h"
#include "ui/model/control.h"

namespace testing_support {

class RecordingMaskScreen final : public search::MaskEditScreen, public ui::ControlPeer {
 public:
  explicit RecordingMaskScreen(search::TMaskEdit& edit) : edit_(edit) {
    edit.SetScreen(this);
    edit.SetPeer(this);
  }
  ~RecordingMaskScreen() override {
    edit_.SetScreen(nullptr);
    edit_.SetPeer(nullptr);
  }
  RecordingMaskScreen(const RecordingMaskScreen&) = delete;
  RecordingMaskScreen& operator=(const RecordingMaskScreen&) = delete;

  void Beep() override { ++beeps; }
  void FocusBack() override {
    ++focus_backs;
    edit_.Enter(false);
  }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  void Changed(ui::ControlChange what) override {
    if (what != ui::ControlChange::kText) return;
    ++changes;
    shown = edit_.EditText();
  }

  // Each character as a key-down (not one of the table's keys) and then the character.
  void Type(std::string_view keys) {
    for (char c : keys) {
      edit_.KeyDown(search::MaskKey::kOther, {});
      char key = c;
      edit_.KeyPress(key);
    }
  }

  int beeps = 0;
  int focus_backs = 0;
  int changes = 0;  // text or selection changes told to the peer
  std::string clipboard;
  std::string shown;  // the edit text when the peer was last told

 private:
  search::TMaskEdit& edit_;
};

}  // namespace testing_support
