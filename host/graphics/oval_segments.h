// How finely an oval is cut: enough segments that its edge looks round at the size it has
// on screen, and never more than one batch holds.
#pragma once

// Segment count for radii xr, yr. Without a matrix: |trunc(xr)| + |trunc(yr)|; with one,
// the truncated sum of the two radii's lengths on screen. Then 11 or fewer gives 12, more
// than 1024 gives 1024, anything else is rounded down to a multiple of 4.
int zu_graphics_OvalSegments(float xr, float yr, bool transformed, float ix, float iy, float jx,
                             float jy);
