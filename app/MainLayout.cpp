#include "MainLayout.h"

namespace morvane {

namespace {
// Sets a length unless the rule's result is negative, which a window too small for it yields.
void SetLength(int& length, int value) {
    if (value >= 0) length = value;
}
}  // namespace

MainGeometry DesignGeometry() {
    MainGeometry g;
    g.Toolbar1 = {0, 0, kDesignClientWidth, 420};
    g.Drive1 = {120, 500, 2175, 315};
    g.Dir1 = {120, 840, 2175, 2565};
    g.File1 = {120, 3390, 2175, 1065};
    g.Combo1 = {120, 4560, 2175, 315};
    g.TreeView1 = {2400, 480, 3495, 4035};
    g.ListView1 = {5880, 480, 3615, 3975};
    g.StatusBar1 = {0, 5760, kDesignClientWidth, 255};
    g.previewCanvas = {2640, 4560, 520, 510};
    g.exportCanvas = {4800, 4560, 975, 615};
    g.panel1Width = kDesignClientWidth - kStatusPanel2Width;
    g.panel2Width = kStatusPanel2Width;
    return g;
}

void HideExportCanvas(MainGeometry& geometry) {
    geometry.exportCanvas.left = 360;
    geometry.exportCanvas.top = -1080;
}

void WidenSourceColumn(MainGeometry& g, int extra) {
    for (TwipsRect* column : {&g.Drive1, &g.Dir1, &g.File1, &g.Combo1}) column->width += extra;
    for (TwipsRect* right : {&g.TreeView1, &g.ListView1, &g.previewCanvas}) right->left += extra;
    g.ListView1.width -= extra;
}

void ApplyResizeRules(MainGeometry& g, int width, int height) {
    // The toolbar and the status bar are docked: they span the client area's width.
    SetLength(g.Toolbar1.width, width - kDesignFrameWidth);
    SetLength(g.StatusBar1.width, width - kDesignFrameWidth);

    SetLength(g.ListView1.height, height - 1600);
    SetLength(g.ListView1.width, width - g.Dir1.width - g.TreeView1.width - 360);
    g.TreeView1.top = g.ListView1.top - 20;
    SetLength(g.TreeView1.height, g.ListView1.height + 30);
    SetLength(g.File1.height, height - 4740);
    g.Combo1.top = g.File1.top + g.File1.height;
    g.Dir1.width = g.Drive1.width;
    g.File1.width = g.Dir1.width;
    g.Combo1.width = g.File1.width;
    g.StatusBar1.top = height - 945;
    SetLength(g.panel1Width, g.StatusBar1.width - kStatusPanel2Width);
    g.panel2Width = kStatusPanel2Width;
}

}  // namespace morvane
