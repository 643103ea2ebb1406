#pragma once

#include <QFont>

// The fonts of the windows' design, by the nearest ones a Linux desktop has:
// metric twins where they exist (Liberation for Arial and Times New Roman),
// then the common URW and DejaVu families. Sizes and weights are the
// design's.
namespace brenx::gui {

// "MS Sans Serif", the windows' own font, in points.
QFont SansFont(qreal points);
// "Arial", in pixels.
QFont ArialFont(int pixels, bool bold);
// "Times New Roman", in points, bold italic (the banner).
QFont BannerFont(qreal points);
// "Small Fonts", the bitmap font of the option echo and the bottom labels,
// in pixels.
QFont SmallFont(int pixels);
// "Terminal", the fixed-pitch font of the drive-letter dialog's text.
QFont TerminalFont(int pixels);

}  // namespace brenx::gui
