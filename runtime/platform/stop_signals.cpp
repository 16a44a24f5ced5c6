#include "stop_signals.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void noteStopSignal(int) { stopSignal = 1; }

}  // namespace

void installStopSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // the run goes on to its checkpoint; no call fails halfway
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool stopSignalReceived() { return stopSignal != 0; }
