// The start-up profile: the program's start-up cut into named phases, each
// with its duration and the time it ended, as text lines for a person who
// wants to know where the start-up time goes.
//
// The profile is off unless the program was asked for it (see
// app/profile_target.h); while off, Mark does nothing and costs one test.
// The clock is given by the caller: the Windows program uses the
// performance counter, tests use a counter of their own.
//
// Each line is
//   <phase name> TAB <duration in ms> TAB <end in ms since the origin>
// with the times in milliseconds with three decimals. The first mark's
// duration counts from the origin the clock reports as 0.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class StartupProfile {
 public:
  // Milliseconds since the origin (the process's start, or what the caller
  // chose); must not go backwards.
  using Clock = std::function<double()>;

  // An off profile: Mark records nothing.
  StartupProfile() = default;
  // An on profile reading `clock`.
  explicit StartupProfile(Clock clock);

  bool On() const { return static_cast<bool>(clock_); }

  // Ends the phase `name`, which began at the previous mark (or at the
  // origin). Tabs and line breaks in `name` become spaces, so that every
  // phase stays one line of three columns.
  void Mark(std::string_view name);
  // Records a phase whose duration the caller measured itself (a phase that
  // began before the profile existed, such as the process's own start).
  void Record(std::string_view name, double duration_ms, double end_ms);

  // Every recorded line, each ending with a line break.
  std::string Text() const;
  size_t PhaseCount() const { return phases_.size(); }

 private:
  struct Phase {
    std::string name;
    double duration_ms;
    double end_ms;
  };

  Clock clock_;
  double last_ms_ = 0;
  std::vector<Phase> phases_;
};

// Reads the lines of StartupProfile::Text back: the phases in order, with a
// malformed line (not three columns, times not numbers) skipped. For the
// timing program, which collects the phases of many starts.
struct ProfileLine {
  std::string name;
  double duration_ms = 0;
  double end_ms = 0;
};
std::vector<ProfileLine> ParseStartupProfile(std::string_view text);

}  // namespace app
