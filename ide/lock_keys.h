// The caps-lock and num-lock states for the status bar.
#pragma once

struct LockKeys {
    bool caps = false;
    bool num = false;
};

// The keyboard's lock indicators; both off where the platform does not tell.
LockKeys lockKeys();
