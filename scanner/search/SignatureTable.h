// The byte signatures the search looks for, gathered from the format table in the order that
// decides the candidate order.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "ScanOptions.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace signatures {
consteval int CountRows() {
    int rows = 0;
    for (const FormatDescriptor& format : kFormats)
        for (const SignatureRow& row : format.signatures) rows = row.row > rows ? row.row : rows;
    return rows;
}
}  // namespace signatures

inline constexpr int kSignatureRowCount = signatures::CountRows();

namespace signatures {
// A row several kinds share (the RIFF one) is listed by each of them and kept once; rows are
// numbered 1 to kSignatureRowCount without gaps.
consteval std::array<SignatureRow, kSignatureRowCount> GatherRows() {
    std::array<SignatureRow, kSignatureRowCount> rows{};
    std::array<bool, kSignatureRowCount> seen{};
    for (const FormatDescriptor& format : kFormats)
        for (const SignatureRow& row : format.signatures) {
            const std::size_t at = static_cast<std::size_t>(row.row - 1);
            if (row.row < 1) throw "rows are numbered from 1";
            if (seen[at] && rows[at].bytes.data() != row.bytes.data())
                throw "two signatures share a row number";
            if (row.checkedBytes.size() > row.bytes.size()) throw "checked bytes are a prefix";
            for (std::size_t k = 0; k < row.checkedBytes.size(); ++k)
                if (row.checkedBytes[k] != row.bytes[k]) throw "checked bytes are a prefix";
            seen[at] = true;
            rows[at] = row;
        }
    for (bool listed : seen)
        if (!listed) throw "a row number is missing";
    return rows;
}

consteval std::size_t LongestRow(std::span<const SignatureRow> rows) {
    std::size_t longest = 0;
    for (const SignatureRow& row : rows)
        longest = row.bytes.size() > longest ? row.bytes.size() : longest;
    return longest;
}
}  // namespace signatures

inline constexpr std::array<SignatureRow, kSignatureRowCount> kAllSignatureRows =
    signatures::GatherRows();
inline constexpr std::size_t kLongestSignature = signatures::LongestRow(kAllSignatureRows);
static_assert(kLongestSignature <= 8, "the finder compares a signature as one 64-bit word");

// All rows, whatever the options say.
std::span<const SignatureRow> AllSignatureRows() noexcept;

// The rows enabled by the options, in row order: a row is searched when any kind that lists it
// is enabled, for the bytes that the options' kind of scan looks for.
std::vector<SignatureRow> BuildSignatureTable(const ScanOptions& options);

// The table of the kinds last asked for, built again only when they change; whoever holds a table
// keeps it while the cache moves on.
class SignatureTableCache {
  public:
    std::shared_ptr<const std::vector<SignatureRow>> For(const ScanOptions& options);

  private:
    std::shared_ptr<const std::vector<SignatureRow>> table_;
    std::array<bool, kKindCount> enabled_{};
    bool checked_ = false;
};

}  // namespace morvane
