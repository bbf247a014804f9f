#include "SignatureTable.h"

namespace morvane {

namespace {
bool RowEnabled(const SignatureRow& row, const ScanOptions& options) {
    for (const FormatDescriptor& format : kFormats) {
        if (!options.IsEnabled(format.kind)) continue;
        for (const SignatureRow& own : format.signatures)
            if (own.row == row.row) return true;
    }
    return false;
}
}  // namespace

std::span<const SignatureRow> AllSignatureRows() noexcept {
    return kAllSignatureRows;
}

std::vector<SignatureRow> BuildSignatureTable(const ScanOptions& options) {
    std::vector<SignatureRow> table;
    for (const SignatureRow& row : kAllSignatureRows) {
        if (!RowEnabled(row, options)) continue;
        table.push_back(row);
        table.back().bytes = row.SearchedBytes(options.checkItems);
    }
    return table;
}

std::shared_ptr<const std::vector<SignatureRow>> SignatureTableCache::For(
    const ScanOptions& options) {
    if (!table_ || enabled_ != options.enabled || checked_ != options.checkItems) {
        table_ = std::make_shared<const std::vector<SignatureRow>>(BuildSignatureTable(options));
        enabled_ = options.enabled;
        checked_ = options.checkItems;
    }
    return table_;
}

}  // namespace morvane
