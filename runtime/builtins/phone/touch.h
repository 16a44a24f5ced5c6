// The mouse over the screen control as the phone's touch screen. Positions are
// in screen-control pixels.
#pragma once

#include "phone/phone.h"

void touchPress(Phone& phone, const Screen& s, int x, int y);
void touchMove(Phone& phone, const Screen& s, int x, int y);
void touchRelease(Phone& phone, const Screen& s, int x, int y);

// 1 once after a touch ended, then 0.
int takeTouchEnded(Phone& phone);
