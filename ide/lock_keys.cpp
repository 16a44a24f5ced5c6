#include "lock_keys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

LockKeys lockKeys() {
    LockKeys keys;
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return keys;
    unsigned state = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success) return keys;
    keys.caps = state & 1u;  // indicator 0 is Caps Lock, 1 is Num Lock on every X keyboard map in use
    keys.num = state & 2u;
    return keys;
}
