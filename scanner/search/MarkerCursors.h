// Amortised marker search for a scan that meets its candidates in file order: for each marker
// the position of its next occurrence is remembered, so the bytes between two occurrences are
// searched once however many candidates lie between them.
#pragma once

#include <array>
#include <cstdint>

#include "Markers.h"

namespace morvane {

class SourceWindow;

class MarkerCursors {
  public:
    explicit MarkerCursors(const SourceWindow& window) noexcept : window_(window) {}

    void Reset() noexcept { cursors_.fill(Cursor{}); }

    // The first absolute position >= from where the marker lies wholly before `limit`; -1 when
    // none. Successive calls for one marker must not decrease `from`; `limit` must not pass the
    // end of the window.
    std::int64_t Find(Marker marker, std::int64_t from, std::int64_t limit) noexcept;

  private:
    struct Cursor {
        std::int64_t next = -1;      // a known occurrence; none lies between the searches and it
        std::int64_t scannedTo = 0;  // no occurrence starts before this but `next`
    };
    const SourceWindow& window_;
    std::array<Cursor, kMarkerCount> cursors_{};
};

}  // namespace morvane
