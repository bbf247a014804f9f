// The 16×16 images of the command buttons: scanning, opening, deleting, exporting, the scan log,
// the about box, leaving the program and stopping a scan.
#pragma once

#include <QImage>

#include "ToolbarImageList.h"

namespace morvane {

QImage DrawCommandSymbol(CommandImage image);

}  // namespace morvane
