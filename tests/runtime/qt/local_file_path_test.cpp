// A drag and a paste of the same address name the same file, or none.

#include "runtime/qt/local_file_path.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QUrl>
#include <string>

#include "intake/copied_files.h"

namespace duplexa {
namespace {

using namespace std::string_literals;

TEST(LocalFilePath, DragAndPasteAgreeOnEveryAddress) {
    const struct {
        std::string uri;
        std::string path;  // empty: no local file
    } cases[] = {
        {"file:///tmp/tr%20", "/tmp/tr "},
        {"file:///tmp/%20lead", "/tmp/ lead"},
        {"file://localhost/tmp/x", "/tmp/x"},
        {"file:///tmp/%FF%E9.bin", "/tmp/\xFF\xE9.bin"},
        {"file://otherhost/tmp/x", ""},
        {"file:///tmp/x%00one", ""},
        {"file:///tmp/x\0one"s, ""},
        {"file:/tmp/x", "/tmp/x"},
        {"file:///tmp/a%2Fb", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.uri));
        const QUrl url =
            QUrl::fromEncoded(QByteArray(c.uri.data(), static_cast<int>(c.uri.size())));
        EXPECT_EQ(LocalFilePath(url), c.path);
        const auto pasted = PathsFromUriList(c.uri + "\r\n");
        EXPECT_EQ(pasted.empty() ? std::string() : pasted.front(), c.path);
    }
    // The file chooser hands over a plain path.
    EXPECT_EQ(LocalFilePath(QUrl::fromLocalFile(QStringLiteral("/tmp/tr "))), "/tmp/tr ");
}

}  // namespace
}  // namespace duplexa
