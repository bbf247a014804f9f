#include "TellingShell.h"

#include "MessageBoxes.h"
#include "MessageTable.h"

namespace morvane {

bool TellingShell::Open(const std::string& target) {
    if (opener_.Open(target)) return true;
    if (title_ != nullptr && messages_ != nullptr)
        boxes_.Critical(*title_, messages_->Text(MessageId::CannotOpen) + u' ' +
                                     QString::fromStdString(target));
    return false;
}

}  // namespace morvane
