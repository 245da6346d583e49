// Windows only: the driver's accessibility client, which reads the program
// from this other process as a screen reader does, through the system's
// oleacc: the objects of its windows (AccessibleObjectFromWindow), their
// children and properties, default actions, and the events it raises,
// heard by an out-of-context WinEvent hook and read at once through
// AccessibleObjectFromEvent.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/common/com_ref.h"

namespace driver {

using testing_support::ChildId;
using testing_support::ComRef;

// One element as a reader finds it (texts in UTF-8).
struct ReadElement {
  std::string name;
  std::string value;
  long role = 0;
  long state = 0;
  HRESULT result = S_OK;  // of the name's query
  std::vector<ReadElement> children;
};

// One event as the hook heard it, and the element it names, read then.
struct HeardEvent {
  DWORD event = 0;
  HWND window = nullptr;
  LONG object = 0;
  LONG child = 0;
  ReadElement element;
  bool read = false;  // AccessibleObjectFromEvent gave an object
};

class Reader {
 public:
  // Listens to the events of process `process` (0: none).
  explicit Reader(DWORD process);
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // The client object of `window`, or null.
  static ComRef<IAccessible> ClientOf(HWND window);
  // The element `child` of `object`, and with `depth` > 0 its children,
  // windowed ones read through their own objects, to that depth.
  static ReadElement Read(IAccessible* object, LONG child, int depth);
  // The whole tree under `window`'s client object; result E_FAIL without one.
  static ReadElement Tree(HWND window, int depth = 8);

  // Handles this thread's messages (the hook's calls come this way) for
  // `ms` milliseconds.
  void Listen(DWORD ms);
  // The events heard so far; Clear() forgets them.
  const std::vector<HeardEvent>& Heard() const { return heard_; }
  void Clear() { heard_.clear(); }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                               DWORD thread, DWORD time);

  HWINEVENTHOOK hook_ = nullptr;
  std::vector<HeardEvent> heard_;
};

// The number of elements in `tree`, itself included.
std::size_t ElementCount(const ReadElement& tree);
// Every element of `tree` (itself too) with role `role`, depth first.
std::vector<const ReadElement*> ElementsWithRole(const ReadElement& tree, long role);

}  // namespace driver
