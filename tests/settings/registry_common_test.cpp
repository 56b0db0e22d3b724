// What the store keeps and hands back, checked on the platform's own store: the registry on
// Windows, the configuration folder elsewhere.

#include "settings/registry_common.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "settings/registry_codes.h"
#include "settings/registry_word.h"
#include "store_fixture.h"

namespace duplexa::modRegistryCommon {
namespace {

using test::Bytes;

constexpr char kSection[] = "Kitrune";
constexpr char kAlign[] = "Duplexa-Align";

class SettingsStore : public test::StoreTest {};

TEST_F(SettingsStore, FirstStartFallsBackToEnglishAndTheDefaultLayoutAndCreatesNothing) {
    EXPECT_EQ(LoadLanguageAt(Maker()), 1);
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 2), 2);
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 1), 1);
    EXPECT_FALSE(HasKey(Maker())) << "reading must not create keys";
}

TEST_F(SettingsStore, LanguageReadsTheStoredNumberWithoutLimitingIt) {
    const struct {
        Bytes stored;
        std::int32_t language;
    } cases[] = {{{0x00, 0x00}, 0},
                 {{0x01, 0x00}, 1},
                 {{0x05, 0x00}, 5},
                 {{0x00}, 0},
                 {{0x34, 0x12}, 0x1234}};
    for (const auto& c : cases) {
        PutBytes(Maker(), kLanguageValue, c.stored);
        EXPECT_EQ(LoadLanguageAt(Maker()), c.language) << testing::PrintToString(c.stored);
    }
}

TEST_F(SettingsStore, ValuesLongerThanTwoBytesAreUnreadableWhateverTheirType) {
    PutDword(Maker(), kLanguageValue, 0);
    EXPECT_EQ(LoadLanguageAt(Maker()), 1) << "a 4-byte 0 must not read as Hungarian";
    std::int32_t value = 0;
    EXPECT_EQ(RegReadWord(kHkeyCurrentUser, Maker(), kLanguageValue, 7, value),
              registry::codes::kMoreData);

    PutBytes(Section(kSection), kAlign, {0x01, 0x00, 0x00});
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 2), 2);
}

TEST_F(SettingsStore, TwoBytesReadUnsignedAndShorterValuesReplaceOnlyTheLowBytes) {
    PutBytes(Section(kSection), kAlign, {0xFF, 0xFF});
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 2), 65535);

    // The default fills all four bytes first; the stored bytes replace the low ones.
    std::int32_t value = 0;
    ASSERT_EQ(RegReadWord(kHkeyCurrentUser, Section(kSection), kAlign, 0x7FFF0000, value), 0);
    EXPECT_EQ(value, 0x7FFFFFFF);
    PutBytes(Section(kSection), kAlign, {0xAB});
    ASSERT_EQ(RegReadWord(kHkeyCurrentUser, Section(kSection), kAlign, 0x11223344, value), 0);
    EXPECT_EQ(value, 0x112233AB);
    PutBytes(Section(kSection), kAlign, {});
    ASSERT_EQ(RegReadWord(kHkeyCurrentUser, Section(kSection), kAlign, 0x11223344, value), 0);
    EXPECT_EQ(value, 0x11223344) << "an empty value is read as holding nothing";
}

TEST_F(SettingsStore, SaveLanguageCreatesTheMakerKeyAndStoresTwoBytes) {
    ASSERT_FALSE(HasKey(Maker()));
    EXPECT_TRUE(SaveLanguageAt(Maker(), 1));
    EXPECT_EQ(GetBytes(Maker(), kLanguageValue), (Bytes{0x01, 0x00}));
    EXPECT_TRUE(SaveLanguageAt(Maker(), 0));
    EXPECT_EQ(GetBytes(Maker(), kLanguageValue), (Bytes{0x00, 0x00}));
    EXPECT_EQ(LoadLanguageAt(Maker()), 0);
}

TEST_F(SettingsStore, WriteSettingCreatesBothKeysAndReadsBack) {
    EXPECT_EQ(WriteSettingAt(Maker(), kSection, kAlign, 2), 0);
    EXPECT_TRUE(HasKey(Maker()));
    EXPECT_EQ(GetBytes(Section(kSection), kAlign), (Bytes{0x02, 0x00}));
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 1), 2);

    EXPECT_EQ(WriteSettingAt(Maker(), kSection, kAlign, 1), 0) << "replacing a value";
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 2), 1);
    EXPECT_EQ(LoadLanguageAt(Maker()), 1) << "the maker key exists, the language does not";
}

TEST_F(SettingsStore, WritingKeepsTheTwoLowBytesOnly) {
    ASSERT_EQ(RegWriteWord(kHkeyCurrentUser, Maker(), "Word", 0x12345678), 0);
    EXPECT_EQ(GetBytes(Maker(), "Word"), (Bytes{0x78, 0x56}));
    ASSERT_EQ(RegWriteWord(kHkeyCurrentUser, Maker(), "Word", -1), 0);
    EXPECT_EQ(GetBytes(Maker(), "Word"), (Bytes{0xFF, 0xFF}));
    std::int32_t value = 0;
    ASSERT_EQ(RegReadWord(kHkeyCurrentUser, Maker(), "Word", 0, value), 0);
    EXPECT_EQ(value, 65535);
}

TEST_F(SettingsStore, HiveZeroGives99AndTouchesNothing) {
    std::int32_t value = 0;
    EXPECT_EQ(RegReadWord(0, Maker(), kLanguageValue, 42, value), 99);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(RegWriteWord(0, Maker(), kLanguageValue, 1), 99);
    EXPECT_FALSE(HasKey(Maker()));
}

TEST_F(SettingsStore, MissingValueUnderAnExistingKeyIsUnreadable) {
    ASSERT_TRUE(SaveLanguageAt(Maker(), 0));
    std::int32_t value = 0;
    EXPECT_NE(RegReadWord(kHkeyCurrentUser, Maker(), "Absent", 5, value), 0);
    EXPECT_EQ(ReadSettingAt(Maker(), kSection, kAlign, 2), 2) << "section key missing";
}

TEST_F(SettingsStore, NamesWithANulInsideAreRefusedRatherThanCutShort) {
    using namespace std::string_literals;
    EXPECT_NE(RegWriteWord(kHkeyCurrentUser, Maker(), "Lang\0uage"s, 1), 0);
    EXPECT_FALSE(GetBytes(Maker(), "Lang").has_value());
    EXPECT_NE(RegWriteWord(kHkeyCurrentUser, Maker() + "\\Kit\0rune"s, kAlign, 1), 0);
    EXPECT_FALSE(HasKey(Section("Kit")));
    std::int32_t value = 0;
    ASSERT_TRUE(SaveLanguageAt(Maker(), 0));
    EXPECT_NE(RegReadWord(kHkeyCurrentUser, Maker(), "Language\0x"s, 1, value), 0);
}

TEST(ClampValue, RaisesToLowThenLowersToHigh) {
    EXPECT_EQ(ClampValue(1, 2, 0), 1);
    EXPECT_EQ(ClampValue(1, 2, 65535), 2);
    EXPECT_EQ(ClampValue(1, 2, 2), 2);
    EXPECT_EQ(ClampValue(1, 2, 1), 1);
    EXPECT_EQ(ClampValue(5, 3, 4), 3) << "high wins when the bounds cross";
    EXPECT_EQ(ClampValue(1, 2, -65536), 1) << "comparisons are signed";
}

}  // namespace
}  // namespace duplexa::modRegistryCommon
