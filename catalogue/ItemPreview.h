// How an item file becomes its picture in the item list: each picture kind Qt can draw shows the
// item itself (an icon group its largest image, an animated cursor its first frame), and sounds,
// songs and videos show nothing of their own.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "ResourceKind.h"

namespace morvane {

// The item's own picture at its own size; a null image when the kind has none or the file does
// not decode (cut off, damaged, or a format Qt cannot read), so that the caller shows the kind's
// symbol rather than anything else.
QImage ItemPicture(const QString& path, ResourceKind kind);

// The first frame of an animated cursor's bytes: the first "icon" chunk of its "LIST" "fram"
// chunk, decoded as the icon or cursor file it holds. Null when the bytes are no "ACON" form or
// any size in them reaches past its container.
QImage FirstAnimationFrame(const QByteArray& bytes);

}  // namespace morvane
