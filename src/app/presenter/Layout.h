#pragma once

#include <cstdint>

namespace kv {

// The geometry of the main window's controls that resizing changes, in twips.
struct MainLayout {
    int32_t searchFrameWidth = 10725;  // frmSearch
    int32_t searchFrameHeight = 735;
    int32_t listTop = 810;  // resultsView
    int32_t listWidth = 10725;
    int32_t listHeight = 4155;
    int32_t statusFrameTop = 5040;  // frmStatus
    int32_t statusFrameWidth = 10725;
    int32_t statusLabelWidth = 10365;  // stStatus

    bool operator==(const MainLayout&) const = default;
};

// FollowResize: the new geometry for a window whose outer size (frame and title
// bar included) is outerWidth x outerHeight twips. A minimized window changes
// nothing. A step whose result would be negative keeps that control's previous
// value and the next step still runs; the status frame sits 50 twips below the
// list as the list really is.
MainLayout ComputeFormResize(const MainLayout& current, int32_t outerWidth, int32_t outerHeight,
                             bool minimized);

// Twips per screen pixel: 15 at 96 dpi, scaled with the screen's logical dpi.
double TwipsPerPixel(double logicalDpi);
int32_t TwipsToPixels(int32_t twips, double logicalDpi);
int32_t PixelsToTwips(int32_t pixels, double logicalDpi);

}  // namespace kv
