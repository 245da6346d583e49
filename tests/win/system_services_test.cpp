// The real platform calls behind the seams: sounds go through the sound
// library loaded on first use (the program does not import it).
#include <windows.h>

#include <gtest/gtest.h>

#include <mmsystem.h>

#include "ui/platform_services.h"

namespace {

TEST(SystemServices, ASoundIsPlayedThroughTheLibraryLoadedOnFirstUse) {
  const ui::PlatformServices& services = ui::SystemServices();
  ASSERT_NE(services.sounds, nullptr);
  // An alias no scheme has, without the default sound: nothing is heard and
  // the call reports that it played nothing.
  EXPECT_FALSE(services.sounds->PlayAlias("PhonebookNoSuchSound", SND_ALIAS | SND_NODEFAULT | SND_SYNC));
  EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr);
}

}  // namespace
