#include "gui/shown_text.h"

namespace brenx::gui {

QString ShownText(const QString& text) {
    // A word joiner forbids the line break that the text layout would allow
    // between a colon and a backslash.
    static const QString kJoinedRoot = QStringLiteral(":\u2060\\");
    QString shown = text;
    shown.replace(QStringLiteral(":\\"), kJoinedRoot);
    return shown;
}

}  // namespace brenx::gui
