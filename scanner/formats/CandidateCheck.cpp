// Which structural check a candidate gets: by its kind, except the bare icon image, whose rule
// sees only part of its header.
#include "ItemChecks.h"
#include "formats/FormatTable.h"

namespace morvane {

std::int64_t CheckCandidate(RuleCode rule, ResourceKind kind, ItemView item,
                            std::int64_t bytesToEnd) noexcept {
    if (rule == RuleCode::BareIconImage) {
        const std::int64_t image = CheckBareIconImage(item);
        return image > 0 ? image - 1 : 0;
    }
    return CheckItem(kind, item, bytesToEnd);
}

std::int64_t CheckItem(ResourceKind kind, ItemView item, std::int64_t bytesToEnd) noexcept {
    return FormatOf(kind).check(item, kind, bytesToEnd);
}

}  // namespace morvane
