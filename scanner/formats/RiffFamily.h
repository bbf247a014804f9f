// What the RIFF kinds (wave sounds, AVI videos, animated cursors) share: one signature, whose
// size rule tells them apart by the form type, and one walk of the top-level chunks, in which
// each kind's file notes the chunks it needs (NoteWaveChunk, NoteAviChunk, NoteAniChunk).
#pragma once

#include <cstdint>

#include "ItemView.h"
#include "SignatureRow.h"

namespace morvane {

// A chunk's id and length before its body.
inline constexpr std::int64_t kRiffChunkHeader = 8;

// What the walk of a RIFF's top-level chunks saw; the item passes when it saw both.
struct RiffWalk {
    bool format = false;  // WAV "fmt " with a sane format / ANI "anih"
    bool data = false;    // WAV "data" / AVI "hdrl" list / ANI an icon that passes
};

Verdict MeasureRiff(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo* memo) noexcept;

inline constexpr std::uint8_t kRiffBytes[] = {'R', 'I', 'F', 'F'};
inline constexpr SignatureRow kRiffSignature[] = {
    {.row = 8,
     .bytes = kRiffBytes,
     .rule = RuleCode::Riff,
     .kind = ResourceKind::WAV,
     .measure = &MeasureRiff,
     .look = {.shift = 0, .anchors = {0, 3}}},
};

}  // namespace morvane
