#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStyle>

class QAbstractButton;

// The small pictures on the buttons and in the message dialog, taken from
// the style so that they match the desktop.
namespace brenx::gui {

QIcon Glyph(QStyle::StandardPixmap which);
QPixmap Picture(QStyle::StandardPixmap which, int size);

// The noise button's two states: the sound on, with the glyph right of the
// caption, or off, with the glyph left of it.
void ShowNoiseState(QAbstractButton& button, bool sounding);

}  // namespace brenx::gui
