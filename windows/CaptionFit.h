// Texts that a language makes longer than the designed width of their control: the control
// grows to its text, and the frames and the window around it grow with it, so that nothing is
// cut off.
#pragma once

class QComboBox;
class QWidget;

namespace morvane {

// Widens every label, check box and button of `window` whose caption does not fit, then every
// container (the window included) that no longer holds what it contains. Run after the
// captions are set; the designed sizes stay where they suffice.
void GrowToCaptions(QWidget& window);

// Lets the drop-down list of `combo` be as wide as its widest entry (the box keeps its width).
void FitPopupToEntries(QComboBox& combo);

// The pixels that the closed box of `combo` lacks to show its widest entry whole; 0 when every
// entry fits.
int MissingEntryWidth(const QComboBox& combo);

}  // namespace morvane
