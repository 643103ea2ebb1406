#pragma once

#include <QString>

namespace brenx::gui {

// Text as a dialog shows it: a drive's colon and the backslash after it are
// kept on one line ("u:\" never wraps as "u:" and "\"). Only what is drawn
// changes; the clipboard gets the engine's text as it is.
QString ShownText(const QString& text);

}  // namespace brenx::gui
