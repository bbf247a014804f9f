#include "LimitRow.h"

#include <algorithm>

namespace morvane {

namespace {
constexpr int kCheckBoxRoom = 480;
constexpr int kGapBeforeText = 180;
constexpr int kRightmostText = 3240;
constexpr int kGapBeforeUnit = 120;
}  // namespace

LimitRow LayOutLimitRow(int check13Left, int captionWidth, int text1Width) {
    LimitRow row;
    row.check13Width = captionWidth + kCheckBoxRoom;
    row.text1Left = std::min(check13Left + row.check13Width + kGapBeforeText, kRightmostText);
    row.label1Left = row.text1Left + text1Width + kGapBeforeUnit;
    return row;
}

}  // namespace morvane
