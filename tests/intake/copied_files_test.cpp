#include "intake/copied_files.h"

#include <gtest/gtest.h>

namespace duplexa {
namespace {

using Paths = std::vector<std::string>;

TEST(CopiedFiles, FileAddressesBecomeDecodedLocalPaths) {
    const struct {
        const char* uri;
        const char* path;  // empty: skipped
    } cases[] = {
        {"file:///home/ana/report.pdf", "/home/ana/report.pdf"},
        {"file:///home/ana/a%20b%C3%A1.pdf", "/home/ana/a b\xC3\xA1.pdf"},
        {"FILE://LocalHost/tmp/x", "/tmp/x"},
        {"file://server/share/x", ""},  // another machine
        {"https://example.org/x", ""},  // not a file
        {"file:///tmp/a%2", ""},        // broken escape
        {"file:///tmp/a%zz", ""},       // not hex
        {"file:///tmp/a%00b", ""},      // an encoded NUL would cut the name short
        {"file:///tmp/a?b=1", ""},      // a query is no part of a file
        {"file://", ""},
#ifdef _WIN32
        {"file:///C:/Users/ana/a%20b.txt", "C:\\Users\\ana\\a b.txt"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalPathOfFileUri(c.uri), c.path) << c.uri;
    }
}

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

}  // namespace
}  // namespace duplexa
