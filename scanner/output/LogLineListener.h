// Whoever shows the scan log's lines as they are written (the log window, the terminal's
// failure messages). It gets every line LOG.txt gets, and the failures LOG.txt could not take.
#pragma once

#include <string_view>

namespace morvane {

// A note says how much of a source was searched, when that is not all of it.
enum class LogLineKind { Separator, Start, Item, Failure, Note, Count, End };

class LogLineListener {
  public:
    virtual ~LogLineListener() = default;
    virtual void LogLine(std::string_view line, LogLineKind kind) = 0;
};

}  // namespace morvane
