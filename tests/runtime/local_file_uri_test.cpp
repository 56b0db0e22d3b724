#include "runtime/local_file_uri.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/host_name.h"

namespace duplexa {
namespace {

using namespace std::string_literals;

TEST(LocalFileUri, OnlyFilesOfThisMachineBecomeDecodedPaths) {
    const struct {
        std::string uri;
        std::string path;  // empty: refused
    } cases[] = {
        {"file:///home/ana/report.pdf", "/home/ana/report.pdf"},
        {"file:///home/ana/a%20b%C3%A1.pdf", "/home/ana/a b\xC3\xA1.pdf"},
        {"file:///tmp/tr%20", "/tmp/tr "},  // a trailing space is part of the name
        {"FILE://LocalHost/tmp/x", "/tmp/x"},
        {"file://Desk-7/tmp/x", "/tmp/x"},  // this machine's own name, in any case
        {"file://server/share/x", ""},      // another machine
        {"file://desk-7.example/x", ""},
        {"https://example.org/x", ""},  // not a file
        {"file:///tmp/a%2", ""},        // broken escape
        {"file:///tmp/a%zz", ""},       // not hex
        {"file:///tmp/x%00one", ""},    // an encoded NUL would cut the name short
        {"file:///tmp/x\0one"s, ""},    // and so would a raw one
        {"file:///tmp/a?b=1", ""},      // a query is no part of a file
        {"file:///tmp/a#b", ""},        // nor a fragment, which is not cut off by guess
        {"file:///tmp/a%23b", "/tmp/a#b"},
        {"file:///tmp/%c3%a1%2c", "/tmp/\xC3\xA1,"},  // lower-case escapes as upper-case
        {"file:///tmp/a%2fb", ""},  // an escaped slash is no separator, and no name holds one
        {"file:/tmp/x", "/tmp/x"},  // no host part at all
        {"file:tmp/x", ""},
        {"file://", ""},
#ifdef _WIN32
        {"file:///C:/Users/ana/a%20b.txt", "C:\\Users\\ana\\a b.txt"},
        {"file:/C:/x", "C:\\x"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalPathOfFileUri(c.uri, "desk-7"), c.path) << testing::PrintToString(c.uri);
    }
    EXPECT_EQ(LocalPathOfFileUri("file://x/tmp/a", ""), "") << "an unknown own name is no host";
}

TEST(LocalFileUri, TheMachinesOwnNameIsLocal) {
    const std::string host = native::HostName();
    if (host.empty()) {
        GTEST_SKIP() << "the system gives no host name";
    }
    EXPECT_EQ(LocalPathOfFileUri("file://" + host + "/a/b"), "/a/b");
    EXPECT_EQ(LocalPathOfFileUri("file://" + host + "x/a/b"), "");
}

}  // namespace
}  // namespace duplexa
