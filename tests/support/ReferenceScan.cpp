#include "ReferenceScan.h"

#include <algorithm>

#include "LookAhead.h"
#include "Recognisers.h"
#include "SignatureTable.h"

namespace morvane::test {

std::vector<ReferenceItem> ReferenceScan(const Bytes& file, const ScanOptions& options) {
    constexpr std::int64_t kChunk = 1024 * 1024;
    const auto length = static_cast<std::int64_t>(file.size());
    std::vector<ReferenceItem> accepted;
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    for (std::int64_t chunk = 0; chunk < options.chunkCap; ++chunk) {
        const std::int64_t begin = chunk * kChunk, end = std::min(length, begin + kChunk);
        for (const SignatureRow& row : table) {
            const auto size = static_cast<std::int64_t>(row.bytes.size());
            for (std::int64_t at = begin; at + size <= end; ++at) {
                if (!std::equal(row.bytes.begin(), row.bytes.end(), file.begin() + at)) continue;
                // A fresh view with no cursors or memory of earlier candidates.
                const LookAhead lookAhead(file.data() + at, length - at);
                const Verdict verdict = ApplyRule(row, lookAhead, options);
                if (verdict.accepted()) accepted.push_back({at + 1, verdict.size, verdict.kind});
            }
        }
        if (end >= length) break;
    }
    return accepted;
}

}  // namespace morvane::test
