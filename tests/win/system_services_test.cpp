// The real platform calls behind the seams: sounds go through the sound
// library loaded on first use (the program does not import it), and a
// registry key's default value is read with its type.
#include <windows.h>

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/framework/platform_services.h"

namespace {

TEST(SystemServices, ASoundIsPlayedThroughTheLibraryLoadedOnFirstUse) {
  const ui::PlatformServices& services = ui::SystemServices();
  ASSERT_NE(services.sounds, nullptr);
  // An alias no scheme has, without the default sound: nothing is heard and
  // the call reports that it played nothing.
  EXPECT_FALSE(services.sounds->PlayAlias("PhonebookNoSuchSound", SND_ALIAS | SND_NODEFAULT | SND_SYNC));
  EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr);
}

TEST(SystemServices, TheLocalesSeparatorsAreTheUsersDateAndTimeSeparators) {
  char date[8] = {}, time[8] = {};
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, date, sizeof date), 1);
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, time, sizeof time), 1);
  ui::UserLocale& locale = *ui::SystemServices().locale;
  EXPECT_EQ(locale.DateSeparator(), date[0]);
  EXPECT_EQ(locale.TimeSeparator(), time[0]);
}

TEST(SystemServices, ARegistryDefaultValueIsReadWithItsTypeAndBytes) {
  const char kKey[] = "Software\\PhonebookTest\\DefaultValue";
  ui::SoundPlayer& sounds = *ui::SystemServices().sounds;
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  EXPECT_FALSE(sounds.CurrentUserDefaultValue(kKey)) << "no key";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_FALSE(sounds.CurrentUserDefaultValue(kKey)) << "no default value";
  const DWORD number = 0;
  RegSetValueExW(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  std::optional<ui::RegistryValue> value = sounds.CurrentUserDefaultValue(kKey);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<std::uint32_t>(REG_DWORD));
  EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
  const wchar_t text[] = L"a";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  value = sounds.CurrentUserDefaultValue(kKey);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<std::uint32_t>(REG_SZ));
  EXPECT_EQ(value->data, (std::vector<std::uint8_t>{'a', 0, 0, 0}));
  RegCloseKey(key);
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
