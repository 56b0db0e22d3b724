// The order of the registry calls and which code wins, against a scripted registry.

#include "settings/registry_word.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace duplexa::registry {
namespace {

class ScriptedRegistry {
  public:
    // Counts keys still open when they go out of scope without Close.
    struct Key {
        Key() = default;
        Key(const Key&) = delete;
        Key& operator=(const Key&) = delete;
        ~Key() {
            if (owner != nullptr) {
                owner->calls.push_back("dropped");
            }
        }
        ScriptedRegistry* owner = nullptr;
    };

    Code OpenForQuery(Hive hive, const std::string& keyPath, Key& key) {
        calls.push_back("open " + keyPath + " hive " + std::to_string(hive));
        if (openCode == 0) {
            key.owner = this;
        }
        return openCode;
    }
    Code QueryValue(const Key&, const std::string& valueName, std::uint8_t* data,
                    std::uint32_t& size) {
        calls.push_back("query " + valueName + " size " + std::to_string(size));
        bufferOnEntry.assign(data, data + 4);
        if (throwInValueCall) {
            throw std::runtime_error("conversion failed");
        }
        for (std::size_t i = 0; i < stored.size() && i < size; ++i) {
            data[i] = stored[i];
        }
        return valueCode;
    }
    Code CreateForSetting(Hive hive, const std::string& keyPath, Key& key) {
        calls.push_back("create " + keyPath + " hive " + std::to_string(hive));
        if (openCode == 0) {
            key.owner = this;
        }
        return openCode;
    }
    Code SetValue(const Key&, const std::string& valueName, const std::uint8_t* data,
                  std::uint32_t size) {
        calls.push_back("set " + valueName + " size " + std::to_string(size));
        if (throwInValueCall) {
            throw std::runtime_error("conversion failed");
        }
        written.assign(data, data + size);
        return valueCode;
    }
    Code Close(Key& key) {
        calls.push_back("close");
        key.owner = nullptr;
        return closeCode;
    }

    Code openCode = 0;
    Code valueCode = 0;
    Code closeCode = 0;
    bool throwInValueCall = false;
    std::vector<std::uint8_t> stored;
    std::vector<std::uint8_t> bufferOnEntry;
    std::vector<std::uint8_t> written;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

std::int32_t Read(ScriptedRegistry& registry, Code& code, std::int32_t defaultValue = 0x0A0B) {
    std::int32_t value = -5;
    code =
        ReadWordVia(registry, kCurrentUser, "Software\\Veltrimo", "Language", defaultValue, value);
    return value;
}

TEST(ReadWord, OpensQueriesTwoBytesOverTheDefaultAndCloses) {
    ScriptedRegistry registry;
    registry.stored = {0x01, 0x00};
    Code code = -1;
    EXPECT_EQ(Read(registry, code, 0x33220A0B), 0x33220001);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(registry.calls, (Calls{"open Software\\Veltrimo hive -2147483647",
                                     "query Language size 2", "close"}));
    EXPECT_EQ(registry.bufferOnEntry, (std::vector<std::uint8_t>{0x0B, 0x0A, 0x22, 0x33}));
}

TEST(ReadWord, NoHiveOrAFailedOpenEndsAtOnceWithTheDefault) {
    ScriptedRegistry noHive;
    std::int32_t value = 0;
    EXPECT_EQ(ReadWordVia(noHive, 0, "Software\\Veltrimo", "Language", 77, value), 99);
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(noHive.calls.empty());

    ScriptedRegistry failedOpen;
    failedOpen.openCode = 2;
    Code code = -1;
    EXPECT_EQ(Read(failedOpen, code), 0x0A0B);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(failedOpen.calls.size(), 1u);
}

TEST(ReadWord, TheKeyIsClosedEitherWayAndCloseDecidesOnlyAfterASuccessfulQuery) {
    ScriptedRegistry failedQuery;
    failedQuery.valueCode = 234;
    failedQuery.closeCode = 6;
    Code code = -1;
    Read(failedQuery, code);
    EXPECT_EQ(code, 234);
    EXPECT_EQ(failedQuery.calls.back(), "close");

    ScriptedRegistry failedClose;
    failedClose.stored = {0x02, 0x00};
    failedClose.closeCode = 6;
    EXPECT_EQ(Read(failedClose, code), 2);
    EXPECT_EQ(code, 6);
}

TEST(ReadWord, ACutShortReadIsAFailureAndTheKeyIsStillReleased) {
    ScriptedRegistry registry;
    registry.throwInValueCall = true;
    Code code = 0;
    Read(registry, code);
    EXPECT_NE(code, 0) << "the open succeeded, but the read did not";
    EXPECT_EQ(registry.calls.back(), "dropped");
}

TEST(WriteWord, CreatesSetsTheTwoLowBytesAndCloses) {
    ScriptedRegistry registry;
    EXPECT_EQ(WriteWordVia(registry, kCurrentUser, "Software\\Veltrimo\\Kitrune", "Duplexa-Align",
                           0x00070102),
              0);
    EXPECT_EQ(registry.calls, (Calls{"create Software\\Veltrimo\\Kitrune hive -2147483647",
                                     "set Duplexa-Align size 2", "close"}));
    EXPECT_EQ(registry.written, (std::vector<std::uint8_t>{0x02, 0x01}));
}

TEST(WriteWord, CodesFollowTheSameRulesAsReading) {
    ScriptedRegistry failedCreate;
    failedCreate.openCode = 5;
    EXPECT_EQ(WriteWordVia(failedCreate, kCurrentUser, "K", "V", 1), 5);
    EXPECT_EQ(failedCreate.calls.size(), 1u);

    ScriptedRegistry failedSet;
    failedSet.valueCode = 1013;
    failedSet.closeCode = 6;
    EXPECT_EQ(WriteWordVia(failedSet, kCurrentUser, "K", "V", 1), 1013);
    EXPECT_EQ(failedSet.calls.back(), "close");

    ScriptedRegistry failedClose;
    failedClose.closeCode = 6;
    EXPECT_EQ(WriteWordVia(failedClose, kCurrentUser, "K", "V", 1), 6);

    ScriptedRegistry noHive;
    EXPECT_EQ(WriteWordVia(noHive, 0, "K", "V", 1), 99);
    EXPECT_TRUE(noHive.calls.empty());

    ScriptedRegistry cutShort;
    cutShort.throwInValueCall = true;
    EXPECT_NE(WriteWordVia(cutShort, kCurrentUser, "K", "V", 1), 0);
    EXPECT_EQ(cutShort.calls.back(), "dropped");
}

}  // namespace
}  // namespace duplexa::registry
