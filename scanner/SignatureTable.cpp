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
    for (const SignatureRow& row : kAllSignatureRows)
        if (RowEnabled(row, options)) table.push_back(row);
    return table;
}

}  // namespace morvane
