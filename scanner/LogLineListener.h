// Whoever shows the scan log's lines as they are written (the log window, the terminal's
// failure messages). It gets every line LOG.txt gets, and the failures LOG.txt could not take.
#pragma once

#include <string_view>

namespace morvane {

enum class LogLineKind { Separator, Start, Item, Failure, Count, End };

class LogLineListener {
  public:
    virtual ~LogLineListener() = default;
    virtual void LogLine(std::string_view line, LogLineKind kind) = 0;
};

}  // namespace morvane
