// Windows-1253 (Greek) decoding, written out here because not every Qt build carries the
// legacy code pages and the language files of older Greek systems are stored in this one.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace morvane {

// Every byte becomes one character; the bytes that the code page leaves undefined become
// U+FFFD so that no byte is silently dropped.
QString DecodeWindows1253(QByteArrayView bytes);

}  // namespace morvane
