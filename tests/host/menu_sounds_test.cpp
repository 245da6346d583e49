// The menu sound rule over a recorded registry: which versions ask the
// scheme, what counts as an assigned sound, and how the sound is requested.
#include "app/menus/menu_sounds.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/recording_services.h"

namespace {

using app::MenuSound;

class CountingSounds final : public ui::SoundPlayer {
 public:
  testing_support::RecordingSounds recorder;
  int reads = 0;
  bool IsNt5OrLater() override { return recorder.IsNt5OrLater(); }
  std::optional<ui::RegistryValue> CurrentUserDefaultValue(const std::string& key) override {
    ++reads;
    return recorder.CurrentUserDefaultValue(key);
  }
  bool PlayAlias(const std::string& sound, std::uint32_t flags) override {
    return recorder.PlayAlias(sound, flags);
  }
};

TEST(MenuSoundsTest, TheSchemeKeysAndNames) {
  EXPECT_EQ(app::MenuSoundName(MenuSound::kMenuPopup), "MenuPopup");
  EXPECT_EQ(app::MenuSoundName(MenuSound::kMenuCommand), "MenuCommand");
  EXPECT_EQ(app::MenuSoundKey(MenuSound::kMenuPopup),
            "AppEvents\\Schemes\\Apps\\.Default\\MenuPopup\\.Current");
  EXPECT_EQ(app::MenuSoundKey(MenuSound::kMenuCommand),
            "AppEvents\\Schemes\\Apps\\.Default\\MenuCommand\\.Current");
}

TEST(MenuSoundsTest, FromNt5OnOnlyAnAssignedSoundIsRequestedByAliasWithItsFlags) {
  testing_support::RecordingSounds system;
  app::MenuSounds sounds(system);
  system.registry[app::MenuSoundKey(MenuSound::kMenuPopup)] =
      ui::RegistryValue::Text(u"C:\\Windows\\Media\\popup.wav");
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuPopup));
  EXPECT_FALSE(sounds.Play(MenuSound::kMenuCommand));  // key missing
  ASSERT_EQ(system.played.size(), 1u);
  EXPECT_EQ(system.played[0].sound, "MenuPopup");
  EXPECT_EQ(system.played[0].flags, 0x10013u);

  // Read afresh each time: assigning the other one takes effect at once.
  system.registry[app::MenuSoundKey(MenuSound::kMenuCommand)] = ui::RegistryValue::Text(u"x");
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuCommand));
  EXPECT_EQ(system.played.back().sound, "MenuCommand");
}

TEST(MenuSoundsTest, AnEmptyValueCountsAsNoSound) {
  testing_support::RecordingSounds system;
  app::MenuSounds sounds(system);
  const std::string key = app::MenuSoundKey(MenuSound::kMenuCommand);
  for (const std::u16string& value :
       {std::u16string(), std::u16string(1, u'\0'), std::u16string(u"\0x", 2)}) {
    system.registry[key] = ui::RegistryValue::Text(value);
    EXPECT_FALSE(sounds.Wanted(MenuSound::kMenuCommand)) << value.size() << " units";
  }
  system.registry[key] = ui::RegistryValue::Text(
      u"\u0417\u0432\u0443\u043a");  // a name that is not Latin is a name all the same
  EXPECT_TRUE(sounds.Wanted(MenuSound::kMenuCommand));
  EXPECT_TRUE(system.played.empty());  // Wanted() only asks
}

TEST(MenuSoundsTest, AValueOfAnotherTypeCountsWhenItHoldsBytes) {
  testing_support::RecordingSounds system;
  app::MenuSounds sounds(system);
  const std::string key = app::MenuSoundKey(MenuSound::kMenuPopup);
  // A 32-bit number, even one of 0, and a block of bytes that starts with a
  // zero are values all the same.
  for (const ui::RegistryValue& value :
       {ui::RegistryValue{ui::RegistryValue::kNumber, {0, 0, 0, 0}},
        ui::RegistryValue{ui::RegistryValue::kBinary, {0x00, 0x41}},
        ui::RegistryValue{ui::RegistryValue::kExpandableText, {'%', 0, 'x', 0, '%', 0}}}) {
    system.registry[key] = value;
    EXPECT_TRUE(sounds.Play(MenuSound::kMenuPopup)) << "type " << value.type;
  }
  EXPECT_EQ(system.played.size(), 3u);
  // Without bytes, of any type, there is no sound; nor with a text list
  // that starts with its end.
  for (const ui::RegistryValue& value :
       {ui::RegistryValue{ui::RegistryValue::kNumber, {}}, ui::RegistryValue{ui::RegistryValue::kBinary, {}},
        ui::RegistryValue{ui::RegistryValue::kTextList, {0, 0, 0, 0}}}) {
    system.registry[key] = value;
    EXPECT_FALSE(sounds.Wanted(MenuSound::kMenuPopup)) << "type " << value.type;
  }
}

TEST(MenuSoundsTest, OlderVersionsAlwaysRequestTheSoundWithoutReadingTheScheme) {
  CountingSounds system;
  system.recorder.nt5_or_later = false;
  app::MenuSounds sounds(system);
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuPopup));
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuCommand));
  EXPECT_EQ(system.recorder.played.size(), 2u);
  EXPECT_EQ(system.reads, 0);
}

}  // namespace
