// Which structural check a candidate gets, and the finder of a checked scan, which takes a
// candidate by its structure alone.
#include "ItemChecks.h"
#include "formats/FormatOrders.h"
#include "formats/FormatTable.h"

namespace morvane {

std::int64_t CheckCandidate(RuleCode rule, ResourceKind kind, const ItemView& item,
                            std::int64_t bytesToEnd) noexcept {
    if (rule == RuleCode::BareIconImage) {
        const std::int64_t image = CheckBareIconImage(item);
        return image > 0 ? image - 1 : 0;
    }
    return CheckItem(kind, item, bytesToEnd);
}

std::int64_t CheckItem(ResourceKind kind, const ItemView& item, std::int64_t bytesToEnd) noexcept {
    return FormatOf(kind).check(item, kind, bytesToEnd);
}

namespace {
// The enabled RIFF kind whose form type the item has.
std::optional<ResourceKind> RiffKindOf(const ItemView& item, const ScanOptions& options) noexcept {
    for (const ResourceKind kind : kRiffKinds)
        if (options.IsEnabled(kind) && item.Matches(8, FormatOf(kind).riff.form)) return kind;
    return std::nullopt;
}
}  // namespace

WholeItem FindWhole(const SignatureRow& row, const ItemView& item, std::int64_t bytesToEnd,
                    const ScanOptions& options) noexcept {
    ResourceKind kind = row.kind;
    if (row.rule == RuleCode::Riff) {
        const std::optional<ResourceKind> riff = RiffKindOf(item, options);
        if (!riff) return {};
        kind = *riff;
    }
    return {CheckItem(kind, item, bytesToEnd), kind};
}

}  // namespace morvane
