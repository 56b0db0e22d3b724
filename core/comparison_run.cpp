#include "core/comparison_run.h"

#include <new>

#include "core/block_comparer.h"
#include "core/show_result.h"
#include "core/text_catalogue.h"

namespace duplexa {

void ComparisonRun::comCompare_Click() {
    if (state_.isRunning) {
        state_.keepRunning = false;  // noticed after the current block
        return;
    }
    state_.isRunning = true;
    state_.keepRunning = true;
    RunComparison();
}

bool ComparisonRun::GetFileLength(int fileNo, std::int32_t& size) const {
    const auto length = files_.Length(fileNo);
    size = length.value_or(-1);
    return length.has_value();
}

void ComparisonRun::RunComparison() {
    view_.SetDropMode(0, DropMode::None);
    view_.SetDropMode(1, DropMode::None);
    view_.SetCompareCaption(std::string(TXT_STOP));
    view_.SetCloseEnabled(false);
    ShowResult(state_, view_, TXT_WORKING);
    if (beacon_) {
        beacon_->Started();
    }
    if (!state_.filePaths[0].empty() && !state_.filePaths[1].empty()) {
        try {
            OpenAndCompare();
        } catch (const std::bad_alloc&) {
            // The block buffers (or the helper's) could not be had. What was had goes first, so
            // the message finds room.
            ReleaseBuffers();
            ShowResult(state_, view_, TXT_NO_MEMORY);
        }
    }
    FinalSteps();
}

void ComparisonRun::OpenAndCompare() {
    state_.firstFileNo = files_.FreeFile();
    if (!files_.Open(state_.firstFileNo, state_.filePaths[0])) {
        ShowReadFailure(0);
        return;
    }
    state_.secondFileNo = files_.FreeFile();
    if (!files_.Open(state_.secondFileNo, state_.filePaths[1])) {
        ShowReadFailure(1);
        return;
    }

    if (!GetFileLength(state_.firstFileNo, state_.firstSize)) {
        view_.SetBoxForeColour(0, kRed);
    }
    if (!GetFileLength(state_.secondFileNo, state_.secondSize)) {
        view_.SetBoxForeColour(1, kRed);
    }
    if (state_.firstSize == -1 || state_.secondSize == -1) {
        ShowResult(state_, view_, TXT_RUN_TOO_BIG);
        return;
    }
    if (state_.firstSize != state_.secondSize) {
        view_.SetShapeBackColour(Shape::sEqual1, kRed);
        view_.SetShapeBackColour(Shape::sEqual2, kRed);
        view_.SetShapeVisible(Shape::sEqual1, true);
        view_.SetShapeVisible(Shape::sEqual2, true);
        view_.SetStrikeLineVisible(true);
        ShowResult(state_, view_, TXT_SIZE_DIFFERS);
        return;
    }
    // Checked once no thread of the run reads any more.
    DiffWhere where;
    if (CompareBlocks(where) && FilesHeldStill(state_.firstSize)) {
        ShowVerdict(where);  // two empty files too: nothing to read, nothing differs
    }
}

bool ComparisonRun::CompareBlocks(DiffWhere& where) {
    state_.diffCount = 0;
    state_.blockStart = 1;
    // Positions are 64-bit here: after the last block of a file near 2 GiB the next block
    // start no longer fits the 32-bit field.
    const std::int64_t size = state_.firstSize;
    if (size == 0) {
        return true;
    }
    files_.HintSequential(state_.firstFileNo);
    files_.HintSequential(state_.secondFileNo);
    BlockComparer comparer(files_, {state_.firstFileNo, state_.secondFileNo}, size,
                           {&state_.firstBlock, &state_.secondBlock}, processors_);
    for (std::int64_t blockStart = 1; blockStart <= size; blockStart += kBlockSize) {
        state_.blockStart = static_cast<std::int32_t>(blockStart);
        // After a Stop pressed in the last turn this block is still compared.
        const auto outcome = comparer.CompareNext();
        if (outcome.failedBox >= 0) {
            ShowReadFailure(outcome.failedBox);
            return false;
        }
        state_.diffCount += static_cast<std::int32_t>(outcome.differences);
        if (!state_.keepRunning) {
            ShowResult(state_, view_, TXT_CANCELLED);
            return false;
        }
        const double percent = static_cast<double>(blockStart) / static_cast<double>(size) * 100.0;
        ShowResult(state_, view_, ComposeProgress(percent, state_.diffCount));
        if (beacon_) {
            beacon_->BlockDone(blockStart - 1 + kBlockSize, size);
        }
        pump_.RunPendingEvents();  // the helper reads on meanwhile
    }
    where = comparer.Where();
    return true;
}

bool ComparisonRun::FilesHeldStill(std::int64_t size) {
    // A rewrite in place keeps the length: only the stamp taken at the open tells.
    const bool firstStill =
        files_.EndsAt(state_.firstFileNo, size) && files_.Unchanged(state_.firstFileNo);
    const bool secondStill =
        files_.EndsAt(state_.secondFileNo, size) && files_.Unchanged(state_.secondFileNo);
    if (firstStill && secondStill) {
        return true;
    }
    if (!firstStill) {
        view_.SetBoxForeColour(0, kRed);
    }
    if (!secondStill) {
        view_.SetBoxForeColour(1, kRed);
    }
    ShowResult(state_, view_, TXT_READ_FAILED);
    return false;
}

void ComparisonRun::ShowReadFailure(int box) {
    view_.SetBoxForeColour(box, kRed);
    ShowResult(state_, view_, TXT_READ_FAILED);
}

void ComparisonRun::ShowVerdict(const DiffWhere& where) {
    if (state_.diffCount < 1) {
        // The bars keep the green the last drop gave them.
        view_.SetShapeVisible(Shape::sEqual1, true);
        view_.SetShapeVisible(Shape::sEqual2, true);
        ShowResult(state_, view_, TXT_IDENTICAL);
        return;
    }
    view_.SetShapeBackColour(Shape::sEqual1, kRed);
    view_.SetShapeBackColour(Shape::sEqual2, kRed);
    view_.SetShapeVisible(Shape::sEqual1, true);
    view_.SetShapeVisible(Shape::sEqual2, true);
    view_.SetStrikeLineVisible(true);
    const double percent =
        static_cast<double>(state_.diffCount) / static_cast<double>(state_.firstSize) * 100.0;
    ShowResult(state_, view_, ComposeDifferent(state_.diffCount, state_.firstSize, percent));
    ShowWhere(state_, view_, where);
}

void ComparisonRun::ReleaseBuffers() {
    BlockBuffer().swap(state_.firstBlock);  // release, not just empty
    BlockBuffer().swap(state_.secondBlock);
}

void ComparisonRun::FinalSteps() {
    files_.Close(state_.firstFileNo);
    files_.Close(state_.secondFileNo);
    state_.firstFileNo = 0;
    state_.secondFileNo = 0;
    ReleaseBuffers();
    state_.firstSize = 0;
    state_.diffCount = 0;
    view_.SetDropMode(0, DropMode::Manual);
    view_.SetDropMode(1, DropMode::Manual);
    view_.SetCompareCaption(std::string(TXT_COMPARE_AFTER_RUN));
    view_.SetCompareEnabled(false);
    view_.SetCloseEnabled(true);
    state_.isRunning = false;
    if (beacon_) {
        beacon_->Ended();
    }
}

}  // namespace duplexa
