// The resource pass of a scan, in file order: takes the program images read from each chunk,
// passes over those inside resource bytes already written whole (and 16-bit headers read already
// through their "MZ"), tells what each taken image tells, and remembers the bytes its items cover
// so that the signature search does not write them again.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "ChunkFindings.h"
#include "ItemWriter.h"
#include "ScanSink.h"
#include "WholeResources.h"

namespace morvane {

class ResourcePass {
  public:
    // Begins a source of `length` bytes.
    void Reset(std::int64_t length) noexcept;

    // Whether the image read at `image.at` is taken; false for one covered or read already, and
    // for every image after the source's read budget ran out.
    bool Wanted(const ImageFinding& image) const;
    // Takes a wanted image: its failures are told and its items appended to `out`, unless the
    // items made from the source so far leave no room for its resource bytes, or the bytes its
    // images read so far leave no room for its own.
    void Take(ImageFinding& image, ScanSink& sink, std::vector<AcceptedItem>& out);
    // What the next image may read before the read budget runs out.
    std::int64_t ReadAllowance() const noexcept { return readBudget_ - readBytes_; }
    // Counts the bytes read to find an image's headers again, when it is read only as it is taken.
    void ChargeHeaders(std::int64_t bytes, ScanSink& sink);

    // Whether `position` lies inside resource bytes already written whole.
    bool Covered(std::int64_t position) const noexcept;

  private:
    void MergeCovers();
    void SpendReadBudget(ScanSink& sink);

    std::vector<ByteRange> covered_;    // sorted by begin, not overlapping
    std::set<std::int64_t> neHeaders_;  // read already, through their "MZ"
    std::int64_t builtBytes_ = 0, builtBudget_ = 0;
    std::int64_t readBytes_ = 0, readBudget_ = 0;
    bool readBudgetSpent_ = false;
};

}  // namespace morvane
