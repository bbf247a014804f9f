// The symbols of the ten kinds, drawn in code so that the program carries no artwork files:
// 16×16 for the toolbar and the tree, and at any other size drawn anew, never stretched.
#pragma once

#include <QImage>

#include "ResourceKind.h"

namespace morvane {

QImage DrawKindSymbol(ResourceKind kind, int size = 16);
// A loudspeaker: the WAV category's symbol, apart from the keyed waveform the items show.
QImage DrawSoundCategorySymbol();

}  // namespace morvane
