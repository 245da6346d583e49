// Program entry: the start-up sequence, the message loop, the exit code.
//
//   1. the application object (title, application window);
//   2. nothing of the program's own to initialise;
//   3. the main window from its embedded description, both tables opened;
//      being the first window, it is the main window;
//   4. the About window from its description, hidden;
//   5. the main window shown (centred on its first showing), then the loop;
//   6. exit code 0; the application object destroys both windows.
// A profiling build with PHONEBOOK_PROFILE set writes the time of each step
// when the loop first waits (app/profile_target.h).
// An error before the loop runs is shown as an unexpected error and the
// program ends with exit code 1.
#include <windows.h>

#include <exception>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  app::SystemMessageBox box;
  const std::string exe_path = app::ExecutablePath();
  try {
    app::TApplication application(exe_path, box);
    app::TMainForm& main_form = application.CreateForm<app::TMainForm>();
    application.CreateForm<about::TfmAbout>();
    main_form.Show();
    application.Profile().Mark("main window shown");
    return application.Run();
  } catch (...) {
    app::ShowStartUpError(box, exe_path, std::current_exception());
    return 1;
  }
}
