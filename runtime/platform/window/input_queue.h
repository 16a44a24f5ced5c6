// Window input waiting for the program: the window's event handlers queue the
// phone's input events, and the event pump hands the program one per step, as
// a phone program sees one message between statements.
#pragma once

#include <deque>

#include "phone/input_script.h"

class QKeyEvent;

using InputQueue = std::deque<InputEvent>;

// Queues an event; a move replaces a move still waiting, so a dragging mouse
// does not fill the queue faster than the program takes it.
void queueInput(InputQueue& queue, InputEvent event);

// A key going down or up; Alt+F4 is the close box. X repeats a held key as
// release and press pairs: the releases are dropped so the key stays held.
void queueKey(InputQueue& queue, const QKeyEvent& key, bool down);
