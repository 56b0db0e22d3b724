// Real drag-and-drop events, as a file manager's drag delivers them, on a drop box.

#include "window/qt/drop_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

#include "support/temp_dir.h"
#include "window/qt/synthetic_drop.h"

namespace duplexa {
namespace {

class DropBoxTest : public testing::Test {
  protected:
    DropBoxTest() : spy(&box, &DropBox::filesDropped) {
        box.SetText(QStringLiteral("Drag and drop the first file here"));
        first = QString::fromStdString(dir.Write("first.bin", "abc"));
        second = QString::fromStdString(dir.Write("second.bin", "abd"));
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
    QString first;
    QString second;
};

TEST_F(DropBoxTest, OneLocalFileIsHandedOnAsItsPath) {
    const SyntheticDropResult result = DropFiles(box, {first});
    EXPECT_TRUE(result.enterAccepted);
    EXPECT_TRUE(result.dropAccepted);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toStringList(), QStringList{first});
    // The box shows what the handler gives it, never the dragged data.
    EXPECT_EQ(box.text(), QStringLiteral("Drag and drop the first file here"));
}

TEST_F(DropBoxTest, SeveralFilesArriveInTheirDroppedOrder) {
    DropFiles(box, {second, first});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toStringList(), (QStringList{second, first}));
}

TEST_F(DropBoxTest, OnlyLocalFilesOfAMixedListArrive) {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.iso")), QUrl::fromLocalFile(first)});
    EXPECT_TRUE(DropData(box, data).dropAccepted);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toStringList(), QStringList{first});
}

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
    data.setUrls({QUrl::fromLocalFile(first)});
    ExpectRefused(data);

    box.SetDropMode(DropMode::Manual);
    EXPECT_TRUE(box.acceptDrops());
    EXPECT_TRUE(DropFiles(box, {first}).dropAccepted);
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace duplexa
