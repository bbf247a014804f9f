// Where the limit row of the options dialog goes once the caption of its check box is known: a
// translated caption may be longer or shorter than the designed one, and the text box and its
// unit follow it. All measures are twips.
#pragma once

namespace morvane {

struct LimitRow {
    int check13Width = 0;
    int text1Left = 0;
    int label1Left = 0;
};

// The check box is as wide as its caption plus room for the box itself; the text box follows at
// a small gap, but never further right than the row has room for; the unit follows the text box.
LimitRow LayOutLimitRow(int check13Left, int captionWidth, int text1Width);

}  // namespace morvane
