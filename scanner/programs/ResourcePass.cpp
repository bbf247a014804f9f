#include "ResourcePass.h"

#include <algorithm>
#include <utility>

#include "ImageReader.h"
#include "ScanError.h"

namespace morvane {

void ResourcePass::Reset(std::int64_t length) noexcept {
    covered_.clear();
    neHeaders_.clear();
    builtBytes_ = readBytes_ = 0;
    readBudget_ = std::max(kLeastReadBudget, kReadBudgetPerByte * length);
    builtBudget_ = std::clamp(kBuiltBudgetPerByte * length, kLeastBuiltBudget, kMostBuiltBytes);
    readBudgetSpent_ = false;
}

bool ResourcePass::Wanted(const ImageFinding& image) const {
    if (readBudgetSpent_ || Covered(image.at)) return false;
    return !image.bareNe || neHeaders_.count(image.at) == 0;
}

void ResourcePass::Take(ImageFinding& image, ScanSink& sink, std::vector<AcceptedItem>& out) {
    if (image.neHeader >= 0) neHeaders_.insert(image.neHeader);
    for (const std::error_code& failure : image.failuresBefore) sink.Failure(failure);
    if (image.bytesToRead < 0) return;
    if (image.bytesToRead > ReadAllowance()) return SpendReadBudget(sink);
    readBytes_ += image.bytesToRead;
    if (builtBytes_ + std::max(image.bytesToRead, image.BuiltBytes()) > builtBudget_)
        return sink.Failure(make_error_code(ScanErrc::ResourceSectionTooLarge));
    for (const std::error_code& failure : image.failuresAfter) sink.Failure(failure);
    builtBytes_ += image.BuiltBytes();
    std::move(image.items.begin(), image.items.end(), std::back_inserter(out));
    covered_.insert(covered_.end(), image.covers.begin(), image.covers.end());
    MergeCovers();
}

void ResourcePass::ChargeHeaders(std::int64_t bytes, ScanSink& sink) {
    readBytes_ += bytes;
    if (readBytes_ > readBudget_) SpendReadBudget(sink);
}

void ResourcePass::SpendReadBudget(ScanSink& sink) {
    if (!std::exchange(readBudgetSpent_, true))
        sink.Failure(make_error_code(ScanErrc::ResourceReadLimitReached));
}

void ResourcePass::MergeCovers() {
    std::sort(covered_.begin(), covered_.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
    std::vector<ByteRange> merged;
    for (const ByteRange& r : covered_) {
        if (!merged.empty() && r.begin <= merged.back().end)
            merged.back().end = std::max(merged.back().end, r.end);
        else
            merged.push_back(r);
    }
    covered_ = std::move(merged);
}

bool ResourcePass::Covered(std::int64_t position) const noexcept {
    const auto p = static_cast<std::uint64_t>(position);
    auto it =
        std::upper_bound(covered_.begin(), covered_.end(), p,
                         [](std::uint64_t value, const ByteRange& r) { return value < r.begin; });
    return it != covered_.begin() && p < std::prev(it)->end;
}

}  // namespace morvane
