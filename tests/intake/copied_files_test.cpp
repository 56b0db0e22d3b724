#include "intake/copied_files.h"

#include <gtest/gtest.h>

namespace duplexa {
namespace {

using Paths = std::vector<std::string>;

TEST(CopiedFiles, UriListKeepsOrderAndSkipsCommentsAndStrangers) {
    EXPECT_EQ(PathsFromUriList("# copied\r\nfile:///a/one\r\nhttp://x/y\r\n\r\nfile:///a/two"),
              (Paths{"/a/one", "/a/two"}));
    EXPECT_EQ(PathsFromUriList(""), Paths{});
}

TEST(CopiedFiles, GnomeListNeedsItsVerbLine) {
    EXPECT_EQ(PathsFromGnomeCopiedFiles("copy\nfile:///a/one\nfile:///a/two\n"),
              (Paths{"/a/one", "/a/two"}));
    EXPECT_EQ(PathsFromGnomeCopiedFiles("cut\nfile:///a/one"), Paths{"/a/one"});
    EXPECT_EQ(PathsFromGnomeCopiedFiles("file:///a/one\nfile:///a/two"), Paths{});
    EXPECT_EQ(PathsFromGnomeCopiedFiles(""), Paths{});
}

TEST(CopiedFiles, OneTrailingNulEndsTheListAndAnyOtherRefusesItsEntry) {
    using namespace std::string_literals;
    const struct {
        std::string copied;
        Paths paths;
    } cases[] = {
        {"copy\nfile:///a/one\0"s, {"/a/one"}},  // as pcmanfm writes it
        {"copy\nfile:///a/one\n\0"s, {"/a/one"}},
        {"copy\nfile:///a/one\0\0"s, {}},
        {"copy\nfile:///a\0b\nfile:///a/two"s, {"/a/two"}},  // found by fuzzing
        {"copy\0"s, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathsFromGnomeCopiedFiles(c.copied), c.paths) << testing::PrintToString(c.copied);
        EXPECT_EQ(PathsFromUriList(c.copied.substr(5)), c.paths)
            << testing::PrintToString(c.copied);
    }
}

}  // namespace
}  // namespace duplexa
