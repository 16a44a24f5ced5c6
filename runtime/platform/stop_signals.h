// SIGTERM, SIGINT and SIGHUP end a run as the close box does: the handler
// only notes the signal, and the hosts' event pumps turn it into a close, so
// that the run ends through its own shutdown ("Program closed", the error
// file, the open archive written back).
#pragma once

// Takes the three signals from whatever handled them before (the sound
// library installs its own when it starts, which would swallow them).
void installStopSignalHandlers();

// True once one of the signals arrived.
bool stopSignalReceived();
