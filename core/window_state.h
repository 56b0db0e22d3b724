#pragma once
// The fields of the main window that the run, the drop and the window's own handlers share.
// The window owns one of these for its whole life.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/block_buffer.h"
#include "core/diff_where.h"

namespace duplexa {

struct WindowState {
    std::array<std::string, 2> filePaths;  // full path accepted on box 0 / box 1
    std::string droppedPath;               // path of the drop being handled
    std::array<bool, 2> fileUsable{};      // the box's file passed the open-and-measure check
    std::array<bool, 2> promptShown{};     // the box still shows its drop prompt

    std::int32_t firstSize = 0;  // lengths during a run, -1 when unreadable
    std::int32_t secondSize = 0;
    std::int32_t blockStart = 0;  // 1-based position of the current block
    std::int32_t diffCount = 0;
    int firstFileNo = 0;
    int secondFileNo = 0;
    BlockBuffer firstBlock;
    BlockBuffer secondBlock;
    bool isRunning = false;
    bool keepRunning = false;
    // Where the files of the last run differ, kept from its "Differ in" verdict until the next
    // drop; nothing after any other outcome.
    std::optional<DiffWhere> where;

    std::string resultHu;  // the message last shown on the result line, in both languages
    std::string resultEn;

    std::int16_t layoutMode = 0;   // 1 side by side, 2 stacked
    std::int16_t hoverTarget = 0;  // 0 none, 1 English flag, 2 Hungarian flag, 3 home-page label
    struct {
        std::int32_t x = 0;
        std::int32_t y = 0;
    } cursorPos;
};

}  // namespace duplexa
