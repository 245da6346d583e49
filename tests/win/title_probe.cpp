// The title probe: does what the program does when a handler fails, and
// nothing else. It creates the application object from its own executable
// path with the real message box, hands it the error "Probe", and so shows
// the real error box captioned with the title computed from the name it was
// stored under. It ends with exit code 0 once the box is dismissed (1 if the
// application object could not be created). The title probe test starts
// copies of it under several names and reads the box from outside.
#include <windows.h>

#include <exception>

#include "app/application.h"
#include "base/exception.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  app::SystemMessageBox box;
  try {
    app::TApplication application(app::ExecutablePath(), box);
    application.ShowError(std::make_exception_ptr(base::Exception("Probe")));
  } catch (const base::Exception&) {
    return 1;
  }
  return 0;
}
