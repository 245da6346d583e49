// Windows only: where the driver writes its JSON lines, and the verdict of
// a scenario built from named checks.
#pragma once

#include <cstdio>
#include <string>

#include "tests/driver/json_line.h"

namespace driver {

class Report {
 public:
  explicit Report(std::FILE* out) : out_(out) {}
  void Write(const JsonLine& line) { Write(line.Str()); }
  void Write(const std::string& line) {
    std::fputs(line.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
  }
  // Writes {"check": what, "ok": ok, ...details}; a failed check fails the run.
  bool Check(bool ok, const std::string& what, const std::string& seen = {}) {
    JsonLine line;
    line.Text("check", what).Flag("ok", ok);
    if (!seen.empty()) line.Text("seen", seen);
    Write(line);
    if (!ok) ++failures_;
    return ok;
  }
  int Failures() const { return failures_; }

 private:
  std::FILE* out_;
  int failures_ = 0;
};

}  // namespace driver
