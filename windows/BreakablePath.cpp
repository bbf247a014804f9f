#include "BreakablePath.h"

namespace morvane {

QString BreakablePath(QString text) {
    text.replace(u'/', QStringLiteral("/\u200B"));
    text.replace(u'\\', QStringLiteral("\\\u200B"));
    return text;
}

}  // namespace morvane
