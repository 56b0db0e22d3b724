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

TEST(MethodChooser, TriesEachOnceThenKeepsTheQuickerAndRetriesTheOther) {
    const struct {
        double mappedCost, readCost;
        std::string first5;
    } cases[] = {{1, 2, "MRMMM"}, {2, 1, "MRRRR"}, {1, 1, "MRMMM"}};
    for (const auto& c : cases) {
        MethodChooser chooser(ReadMethod::Quickest);
        const auto choices =
            Choices(chooser, 3 * MethodChooser::kRetryEvery, c.mappedCost, c.readCost);
        EXPECT_EQ(choices.substr(0, 5), c.first5);
        const char kept = c.first5.back();
        const char other = kept == 'M' ? 'R' : 'M';
        for (std::size_t i = 2; i < choices.size(); ++i) {
            EXPECT_EQ(choices[i], i % MethodChooser::kRetryEvery == 0 ? other : kept) << i;
        }
    }
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
