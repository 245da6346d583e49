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
  std::optional<std::u16string> CurrentUserDefaultValue(const std::string& key) override {
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
  system.registry[app::MenuSoundKey(MenuSound::kMenuPopup)] = u"C:\\Windows\\Media\\popup.wav";
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuPopup));
  EXPECT_FALSE(sounds.Play(MenuSound::kMenuCommand));  // key missing
  ASSERT_EQ(system.played.size(), 1u);
  EXPECT_EQ(system.played[0].sound, "MenuPopup");
  EXPECT_EQ(system.played[0].flags, 0x10013u);

  // Read afresh each time: assigning the other one takes effect at once.
  system.registry[app::MenuSoundKey(MenuSound::kMenuCommand)] = u"x";
  EXPECT_TRUE(sounds.Play(MenuSound::kMenuCommand));
  EXPECT_EQ(system.played.back().sound, "MenuCommand");
}

TEST(MenuSoundsTest, AnEmptyValueCountsAsNoSound) {
  testing_support::RecordingSounds system;
  app::MenuSounds sounds(system);
  const std::string key = app::MenuSoundKey(MenuSound::kMenuCommand);
  for (const std::u16string& value :
       {std::u16string(), std::u16string(1, u'\0'), std::u16string(u"\0x", 2)}) {
    system.registry[key] = value;
    EXPECT_FALSE(sounds.Wanted(MenuSound::kMenuCommand)) << value.size() << " units";
  }
  system.registry[key] = u"\u0417\u0432\u0443\u043a";  // a name that is not Latin is a name all the same
  EXPECT_TRUE(sounds.Wanted(MenuSound::kMenuCommand));
  EXPECT_TRUE(system.played.empty());  // Wanted() only asks
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
