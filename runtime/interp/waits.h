// The waits of the waiting built-ins (Pause, Beep, tilt reads, Update pacing).
#pragma once

// Set only by the fuzz harness, which runs programs by the thousand: every wait
// passes at once, and the device timer jumps ahead by the time it would have
// slept, so that paced programs still see time go by. Users always wait.
inline bool instantWaits = false;
