// The symbols of the ten kinds, drawn in code so that the program carries no artwork files:
// 16×16 for the toolbar and the tree, and at any other size drawn anew, never stretched.
#pragma once

#include <QImage>

#include "ResourceKind.h"

namespace morvane {

QImage DrawKindSymbol(ResourceKind kind, int size = 16);
// The symbol of a kind's category node where it has one apart from its items' (a loudspeaker
// for WAV, whose items show a waveform); otherwise the kind's own symbol.
QImage DrawCategorySymbol(ResourceKind kind);

}  // namespace morvane
