// The program's icon, the same artwork as the one installed into the desktop's icon theme.
#pragma once

#include <QIcon>

namespace morvane {

// Every size the program carries, so that title bars, task bars and the about box each get a
// sharp image.
QIcon ApplicationIcon();

}  // namespace morvane
