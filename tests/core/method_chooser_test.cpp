#include "core/method_chooser.h"

#include <gtest/gtest.h>

#include <string>

namespace duplexa {
namespace {

// One letter per window: M mapped, R read.
std::string Choices(MethodChooser& chooser, int windows, double mappedCost, double readCost) {
    std::string choices;
    for (int i = 0; i < windows; ++i) {
        const bool mapped = chooser.UseMapping();
        choices += mapped ? 'M' : 'R';
        chooser.Record(mapped, 1000, (mapped ? mappedCost : readCost) * 1000);
    }
    return choices;
}

// Where the slower method is retried while the costs hold: after 64 windows, then after waits
// doubling up to 512.
std::string Retries(const std::string& choices, char kept, std::size_t from = 2) {
    std::string at;
    for (std::size_t i = from; i < choices.size(); ++i) {
        if (choices[i] != kept) {
            at += std::to_string(i) + " ";
        }
    }
    return at;
}

TEST(MethodChooser, TriesEachOnceThenKeepsTheQuickerAndRetriesTheOtherLessOften) {
    const struct {
        double mappedCost, readCost;
        std::string first5;
    } cases[] = {{1, 2, "MRMMM"}, {2, 1, "MRRRR"}, {1, 1, "MRMMM"}};
    for (const auto& c : cases) {
        MethodChooser chooser(ReadMethod::Quickest);
        const auto choices = Choices(chooser, 2000, c.mappedCost, c.readCost);
        EXPECT_EQ(choices.substr(0, 5), c.first5);
        EXPECT_EQ(Retries(choices, c.first5.back()), "64 192 448 960 1472 1984 ");
    }
}

TEST(MethodChooser, ARetryThatTurnsTheChoiceStartsTheWaitOver) {
    MethodChooser chooser(ReadMethod::Quickest);
    auto choices = Choices(chooser, 192, 2, 1);  // reading kept, mapping retried at 64
    // Mapping turns quicker: the retry at 192 finds it, and from the next window on reading is
    // retried after 64 windows, then after 128.
    choices += Choices(chooser, 300, 1, 2);
    EXPECT_EQ(Retries(choices.substr(0, 192), 'R'), "64 ");
    EXPECT_EQ(choices[192], 'M');
    EXPECT_EQ(Retries(choices, 'M', 193), "257 385 ");
}

TEST(MethodChooser, FollowsTheTimesWhenTheyTurn) {
    MethodChooser chooser(ReadMethod::Quickest);
    EXPECT_EQ(Choices(chooser, 3, 1, 2), "MRM");
    // Mapping turns slow: one slow window is taken for a busy moment, the second is believed.
    EXPECT_EQ(Choices(chooser, 4, 5, 2), "MMRR");
}

TEST(MethodChooser, FixedMethodsAndARefusedMappingIgnoreTheTimes) {
    MethodChooser mapping(ReadMethod::Mapping);
    EXPECT_EQ(Choices(mapping, 4, 9, 1), "MMMM");
    MethodChooser reading(ReadMethod::Reading);
    EXPECT_EQ(Choices(reading, 4, 1, 9), "RRRR");
    for (const auto method : {ReadMethod::Mapping, ReadMethod::Quickest}) {
        MethodChooser refused(method);
        refused.MappingRefused();
        EXPECT_EQ(Choices(refused, 4, 1, 9), "RRRR");
    }
}

}  // namespace
}  // namespace duplexa
