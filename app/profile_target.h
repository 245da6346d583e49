// Where the start-up profile goes. Only a profiling build has one (the CMake
// option PHONEBOOK_PROFILING, which scripts/startup-time builds): the
// shipped program reads no environment variable, measures nothing and writes
// nothing. A profiling build reads the environment variable PHONEBOOK_PROFILE
// when it starts:
//   unset or empty      no profile: the program measures and writes nothing;
//   "debugger"          the lines go to the debugger output;
//   any other value     the path of a file the lines are appended to. A path
//                       that cannot be opened or written is ignored silently:
//                       profiling must never disturb the program.
// The clock counts milliseconds since the process was created, read from the
// performance counter.
#pragma once

#include <string>
#include <string_view>

#include "app/core/startup_profile.h"

namespace app {

class ProfileTarget {
 public:
  // No target in the shipped program; in a profiling build, the one
  // PHONEBOOK_PROFILE names.
  static ProfileTarget ForThisBuild();

  bool Wanted() const { return kind_ != Kind::kNone; }
  // A profile that is on when a target was named (its first phase, the time
  // from the process's creation to this call, already recorded), off
  // otherwise.
  StartupProfile StartProfile() const;
  // Writes `text` to the target; every failure is ignored.
  void Write(std::string_view text) const;

 private:
  enum class Kind { kNone, kDebugger, kFile };
  Kind kind_ = Kind::kNone;
  std::wstring path_;
};

}  // namespace app
