#include "gui/design_fonts.h"

#include <QStringList>

namespace brenx::gui {
namespace {

QFont Families(const QStringList& families, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    return font;
}

}  // namespace

QFont SansFont(qreal points) {
    QFont font = Families({"MS Sans Serif", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"},
                          QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont ArialFont(int pixels, bool bold) {
    QFont font =
        Families({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont BannerFont(qreal points) {
    QFont font = Families({"Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"},
                          QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QFont SmallFont(int pixels) {
    QFont font = Families({"Small Fonts", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                           "DejaVu Sans Condensed", "DejaVu Sans"},
                          QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

QFont TerminalFont(int pixels) {
    QFont font = Families({"Terminal", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace brenx::gui
