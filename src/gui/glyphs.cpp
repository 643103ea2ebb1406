#include "gui/glyphs.h"

#include <QAbstractButton>
#include <QApplication>

namespace brenx::gui {

QIcon Glyph(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

QPixmap Picture(QStyle::StandardPixmap which, int size) {
    return Glyph(which).pixmap(size, size);
}

void ShowNoiseState(QAbstractButton& button, bool sounding) {
    button.setText(sounding ? "Stop &noise" : "Start &noise");
    button.setIcon(Glyph(sounding ? QStyle::SP_MediaVolume : QStyle::SP_MediaVolumeMuted));
    button.setLayoutDirection(sounding ? Qt::RightToLeft : Qt::LeftToRight);
}

}  // namespace brenx::gui
