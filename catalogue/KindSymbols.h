// The 16×16 symbols of the ten kinds, drawn in code so that the program carries no artwork files.
#pragma once

#include <QImage>

#include "ResourceKind.h"

namespace morvane {

QImage DrawKindSymbol(ResourceKind kind);
// A loudspeaker: the WAV category's symbol, apart from the keyed waveform the items show.
QImage DrawSoundCategorySymbol();

}  // namespace morvane
