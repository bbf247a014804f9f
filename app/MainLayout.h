// The main window's geometry in twips: the design, and the resize rules that stretch the item
// list, the tree and the file list with the window and keep the status bar at the bottom.
#pragma once

#include "Twips.h"

namespace morvane {

// The designed client area, and what the window frame adds to it (60 at the sides and the
// bottom, 630 at the top for the caption and the menu bar).
inline constexpr int kDesignClientWidth = 10065;
inline constexpr int kDesignClientHeight = 6015;
inline constexpr int kDesignFrameWidth = 120;
inline constexpr int kDesignFrameHeight = 690;

// Panel 2 of the status bar keeps this width; panel 1 takes the rest.
inline constexpr int kStatusPanel2Width = 3300;

struct MainGeometry {
    TwipsRect Toolbar1;
    TwipsRect Drive1;
    TwipsRect Dir1;
    TwipsRect File1;
    TwipsRect Combo1;
    TwipsRect TreeView1;
    TwipsRect ListView1;
    TwipsRect StatusBar1;
    TwipsRect previewCanvas;  // Picture1
    TwipsRect exportCanvas;   // Picture3
    int panel1Width = 0;
    int panel2Width = 0;

    friend bool operator==(const MainGeometry&, const MainGeometry&) = default;
};

// The layout as designed, before start-up moves the export canvas out of sight and the first
// resize.
MainGeometry DesignGeometry();

// The export canvas's place after start-up: above the client area, out of sight.
void HideExportCanvas(MainGeometry& geometry);

// The source column (the drive, folder and file lists and the filter) made `extra` twips wider,
// with the tree and the item list moved right by as much. The resize rules derive the column
// from Drive1's width and take the room back from the item list's width, so it lasts.
void WidenSourceColumn(MainGeometry& geometry, int extra);

// Form_Resize's rules for an outer window of `width` × `height` twips. A rule whose result would
// be a negative length is skipped, and the control keeps its last length.
void ApplyResizeRules(MainGeometry& geometry, int width, int height);

}  // namespace morvane
