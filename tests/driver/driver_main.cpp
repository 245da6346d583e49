// The external driver: starts phonebook.exe as a user starts it and drives it
// from outside with real input, writing what it sees as JSON lines.
//
//   phonebook_driver SCENARIO PROGRAM DIRECTORY
//   phonebook_driver monkey PROGRAM DIRECTORY COUNT SEED [LOG]
//   phonebook_driver screenshots PROGRAM DIRECTORY FOLDER
//
// PROGRAM is the executable, DIRECTORY the directory source it was built
// from (both may be Linux paths: Wine sees / as Z:). The exit code is 0 when
// every check held, 1 when one failed, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/driver/monkey_run.h"
#include "tests/driver/program_under_test.h"
#include "tests/driver/scenarios.h"
#include "tests/driver/screenshots.h"
#include "tests/win/density_awareness.h"

namespace {

// A Linux path as Wine's drive Z: sees it; a Windows path as it is.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// The path of `file` in the driver's own folder.
std::wstring BesideDriver(const wchar_t* file) {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length < MAX_PATH ? length : 0);
  folder.erase(folder.find_last_of(L"\\/") + 1);
  return folder + file;
}

int Usage() {
  std::fprintf(stderr,
               "usage: phonebook_driver SCENARIO PROGRAM DIRECTORY\n"
               "       phonebook_driver monkey PROGRAM DIRECTORY COUNT SEED [LOG]\n"
               "       phonebook_driver screenshots PROGRAM DIRECTORY FOLDER\n"
               "scenarios: %s\n",
               driver::ScenarioNames());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  // Places, sizes and metrics in the screen's pixels at any density, as the
  // program sees them, before the driver asks anything of the system.
  testing_support::DeclareDensityAwareness();
  const std::string scenario = argv[1];
  driver::Setup setup;
  setup.exe = driver::Wide(WindowsPath(argv[2]));
  setup.bare_window = BesideDriver(L"bare_window.exe");
  std::ifstream source(WindowsPath(argv[3]), std::ios::binary);
  std::stringstream bytes;
  bytes << source.rdbuf();
  std::string error;
  auto directory = driver::DirectoryPairs::Parse(bytes.str(), &error);
  if (!source || !directory || directory->Rows().empty()) {
    std::fprintf(stderr, "cannot read the directory source %s: %s\n", argv[3], error.c_str());
    return 2;
  }
  setup.directory = std::move(*directory);
  driver::Report report(stdout);
  if (scenario == "monkey") {
    if (argc < 6) return Usage();
    driver::MonkeyOptions options;
    options.count = std::strtoull(argv[4], nullptr, 10);
    options.seed = std::strtoull(argv[5], nullptr, 10);
    // PHONEBOOK_MONKEY_CHECK_EVERY=1 checks after every event when replaying.
    if (const char* every = std::getenv("PHONEBOOK_MONKEY_CHECK_EVERY"))
      options.check_every = std::strtoull(every, nullptr, 10);
    std::FILE* log = argc > 6 ? std::fopen(WindowsPath(argv[6]).c_str(), "wb") : nullptr;
    options.log = log;
    const int failures = driver::RunMonkey(setup, options, report);
    if (log) std::fclose(log);
    return failures == 0 ? 0 : 1;
  }
  if (scenario == "screenshots") {
    if (argc < 5) return Usage();
    return driver::TakeScreenshots(setup, driver::Wide(WindowsPath(argv[4])), report) == 0 ? 0 : 1;
  }
  if (!driver::RunScenario(scenario, setup, report)) return Usage();
  report.Write(
      driver::JsonLine().Text("scenario", scenario).Text("result", report.Failures() ? "fail" : "pass"));
  return report.Failures() == 0 ? 0 : 1;
}
