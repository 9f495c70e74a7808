#include "KvLineEdit.h"

#include <QKeyEvent>

namespace kv::app {

void KvLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

bool KvLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !passThrough_.isEmpty()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& seq : passThrough_) {
            if (seq.matches(pressed) == QKeySequence::ExactMatch) {
                // Not wanted here: the shortcut map gets the key.
                event->ignore();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

}  // namespace kv::app
