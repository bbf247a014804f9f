// Every size rule and structural check over arbitrary bytes: no crash, no read outside the
// look-ahead, and the remembered MIDI walk agrees with a fresh one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <algorithm>

#include "ItemChecks.h"
#include "LookAhead.h"
#include "MidiChainMemo.h"
#include "Recognisers.h"
#include "SignatureTable.h"

using namespace morvane;

namespace {
// The largest size each rule can give: end-marker rules stop one byte past the look-ahead, icons
// and cursors at their image limit, RIFF items 7 bytes past the end of the file.
std::int64_t LargestSize(RuleCode rule, const LookAhead& a) {
    switch (rule) {
        case RuleCode::Gif:
        case RuleCode::Png:
        case RuleCode::Jpeg:
            return a.length() + 1;
        case RuleCode::Midi:
        case RuleCode::Bitmap:
            return a.length();
        case RuleCode::IconDirectory:
        case RuleCode::CursorDirectory:
            return kLargestIconImage + 22;
        case RuleCode::Riff:
            return a.bytesToEnd() - 1 + 8;
        case RuleCode::BareIconImage:
            return kBareIconSize;
    }
    return 0;
}

bool StartsWith(const std::uint8_t* at, std::int64_t room, const SignatureRow& row) {
    return room >= static_cast<std::int64_t>(row.bytes.size()) &&
           std::memcmp(at, row.bytes.data(), row.bytes.size()) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // A heap copy of exactly the input, so any read past it is caught.
    auto* file = static_cast<std::uint8_t*>(std::malloc(size));
    std::memcpy(file, data, size);
    const auto length = static_cast<std::int64_t>(size);
    ScanOptions options;
    options.Enable(ResourceKind::WAV, (data[0] & 1) != 0);
    MidiChainMemo memo;
    for (std::int64_t at = 0; at < length; ++at) {
        const LookAhead a(file + at, length - at, at);
        for (const SignatureRow& row : AllSignatureRows()) {
            // Every rule at the first few offsets, and wherever its signature stands.
            if (at >= 16 && !StartsWith(file + at, length - at, row)) continue;
            const Verdict verdict = ApplyRule(row, a, options);
            if (verdict.size > LargestSize(row.rule, a)) std::abort();
            // The structural checks stay inside the bytes they are given.
            const ItemView readable(a.Readable());
            const std::int64_t checked =
                CheckCandidate(row.rule, verdict.kind, readable, a.bytesToEnd());
            if (checked > std::max(readable.size(), a.bytesToEnd())) std::abort();
        }
        if (StartsWith(file + at, length - at, FormatOf(ResourceKind::MID).signatures[0]) &&
            RecogniseMidi(a).size != RecogniseMidi(a, &memo).size)
            std::abort();
    }
    std::free(file);
    return 0;
}
