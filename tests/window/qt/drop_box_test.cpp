// Real drag-and-drop events, as a file manager's drag delivers them, on a drop box.

#include "window/qt/drop_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <string>
#include <vector>

#include "support/qt/synthetic_drop.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

using Paths = std::vector<std::string>;

Paths Dropped(const QSignalSpy& spy, int drop = 0) {
    return spy.at(drop).at(0).value<Paths>();
}

class DropBoxTest : public testing::Test {
  protected:
    DropBoxTest() : spy(&box, &DropBox::filesDropped) {
        box.SetText(QStringLiteral("Drag and drop the first file here"));
        first = dir.Write("first.bin", "abc");
        second = dir.Write("second.bin", "abd");
    }

    // A drop sent even though the drag was refused, as a misbehaving source might.
    bool ForcedDrop(QMimeData& data) {
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &drop);
        return drop.isAccepted();
    }

    void ExpectRefused(QMimeData& data) {
        const SyntheticDropResult result = DropData(box, data);
        EXPECT_FALSE(result.enterAccepted);  // no drop cursor
        EXPECT_FALSE(ForcedDrop(data));
        EXPECT_EQ(spy.count(), 0);
        EXPECT_EQ(box.text(), QStringLiteral("Drag and drop the first file here"));
    }

    test::TempDir dir;
    DropBox box;
    QSignalSpy spy;
    std::string first;
    std::string second;
};

TEST_F(DropBoxTest, OneLocalFileIsHandedOnAsItsPath) {
    const SyntheticDropResult result = DropFiles(box, {QString::fromStdString(first)});
    EXPECT_TRUE(result.enterAccepted);
    EXPECT_TRUE(result.dropAccepted);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Dropped(spy), Paths{first});
    // The box shows what the handler gives it, never the dragged data.
    EXPECT_EQ(box.text(), QStringLiteral("Drag and drop the first file here"));
}

TEST_F(DropBoxTest, SeveralFilesArriveInTheirDroppedOrder) {
    DropFiles(box, {QString::fromStdString(second), QString::fromStdString(first)});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Dropped(spy), (Paths{second, first}));
}

TEST_F(DropBoxTest, OnlyLocalFilesOfAMixedListArrive) {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.iso")),
                  QUrl::fromLocalFile(QString::fromStdString(first))});
    EXPECT_TRUE(DropData(box, data).dropAccepted);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Dropped(spy), Paths{first});
}

#ifndef _WIN32
TEST_F(DropBoxTest, AFileManagersNamesArriveWithTheFileSystemsOwnBytes) {
    // A file manager percent-encodes the name's bytes, whether they are UTF-8 or not.
    const struct {
        const char* uri;
        std::string path;
    } cases[] = {
        {"file:///tmp/%FF%FE.bin", "/tmp/\xff\xfe.bin"},
        {"file:///tmp/%C3%A9t%C3%A9%20%25.bin", "/tmp/\xc3\xa9t\xc3\xa9 %.bin"},
        {"file:///tmp/a%5Cb%E9.bin", "/tmp/a\\b\xe9.bin"},
    };
    for (const auto& one : cases) {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), QByteArray(one.uri) + "\r\n");
        EXPECT_TRUE(DropData(box, data).dropAccepted) << one.uri;
        ASSERT_FALSE(spy.isEmpty());
        EXPECT_EQ(Dropped(spy, static_cast<int>(spy.count()) - 1), Paths{one.path}) << one.uri;
    }
}

#endif

TEST_F(DropBoxTest, DraggedTextIsRefusedAndNeverPasted) {
    QMimeData data;
    data.setText(QStringLiteral("some dragged words"));
    ExpectRefused(data);
}

TEST_F(DropBoxTest, AWebAddressIsRefused) {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/file.bin"))});
    data.setText(QStringLiteral("https://example.org/file.bin"));
    ExpectRefused(data);
}

TEST_F(DropBoxTest, DropModeNoneRefusesFilesUntilManualAgain) {
    box.SetDropMode(DropMode::None);
    EXPECT_FALSE(box.acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first))});
    ExpectRefused(data);

    box.SetDropMode(DropMode::Manual);
    EXPECT_TRUE(box.acceptDrops());
    EXPECT_TRUE(DropFiles(box, {QString::fromStdString(first)}).dropAccepted);
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace duplexa
