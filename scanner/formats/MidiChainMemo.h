// Remembers the chain of MIDI tracks last followed, so that a scan walking candidates in file
// order never follows the same tracks twice (a file full of "MThd" headers ahead of one long
// chain would otherwise cost candidates x tracks).
#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

class MidiChainMemo {
  public:
    void Clear() noexcept {
        tracks_.clear();
        ends_.clear();
        first_ = 0;
        open_ = false;
    }

  private:
    friend struct MidiChainWalker;
    // Absolute positions of consecutive track headers, and of the end of track found after each
    // (-1 where none was found within the look-ahead of the time).
    std::vector<std::int64_t> tracks_;
    std::vector<std::int64_t> ends_;
    std::size_t first_ = 0;  // entries before this lie before every later candidate
    bool open_ = false;      // a longer look-ahead could take the chain further
};

}  // namespace morvane
