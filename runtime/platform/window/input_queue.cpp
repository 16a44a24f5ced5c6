#include "input_queue.h"

#include <QKeyEvent>

#include "key_codes.h"

void queueInput(InputQueue& queue, InputEvent event) {
    if (event.kind == InputKind::move && !queue.empty() && queue.back().kind == InputKind::move) {
        queue.back() = event;
        return;
    }
    queue.push_back(event);
}

void queueKey(InputQueue& queue, const QKeyEvent& key, bool down) {
    if (down && key.key() == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier)) {
        queueInput(queue, {0, InputKind::close, 0, 0});
        return;
    }
    if (!down && key.isAutoRepeat()) return;
    const int virtualKey = virtualKeyOf(key.key());
    if (virtualKey == 0) return;
    queueInput(queue, {0, down ? InputKind::keyDown : InputKind::keyUp, virtualKey, 0});
}
