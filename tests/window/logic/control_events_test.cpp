// What both windows decide alike: which choices show as in force, and when a box takes files.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "logic_fixture.h"

namespace duplexa {
namespace {

using enum Control;

using ControlEvents = test::LogicTest;

TEST_F(ControlEvents, TheChoicesInForceFollowEachLayoutAndFlagClick) {
    using Shown = std::array<std::optional<bool>, 4>;  // cmdOrder1, cmdOrder2, the two flags
    const auto shown = [this] {
        return Shown{form[cmdOrder1].inForce, form[cmdOrder2].inForce, form[imgLangENG].inForce,
                     form[imgLangHUN].inForce};
    };
    logic.Form_Load();
    EXPECT_EQ(shown(), (Shown{false, true, true, false})) << "stacked and English at first";
    const struct {
        Control click;
        Shown inForce;
    } clicks[] = {{cmdOrder1, {true, false, true, false}},
                  {imgLangHUN_hl, {true, false, false, true}},
                  {cmdOrder2, {false, true, false, true}},
                  {imgLangENG_hl, {false, true, true, false}}};
    for (const auto& c : clicks) {
        logic.Control_Click(c.click);
        EXPECT_EQ(shown(), c.inForce) << test::FakeForm::Name(c.click);
    }
}

// Nor does a box open its chooser during a run.
TEST_F(ControlEvents, NoFileIsTakenDuringARunNorFromAListWithoutAFirstPath) {
    const struct {
        bool running;
        std::vector<std::string> paths;
        bool taken;
    } cases[] = {{false, {"a.bin"}, true},
                 {true, {"a.bin"}, false},
                 {false, {}, false},
                 {false, {"", "b.bin"}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.paths) + (c.running ? " during a run" : ""));
        state = {};
        state.isRunning = c.running;
        form.log.clear();
        EXPECT_EQ(logic.lblFile_FilesGiven(1, c.paths), c.taken);
        EXPECT_EQ(state.filePaths[1].empty(), !c.taken);
        EXPECT_EQ(form.log.empty(), !c.taken);
        EXPECT_EQ(logic.ChooserFor(1).has_value(), !c.running);
    }
}

}  // namespace
}  // namespace duplexa
