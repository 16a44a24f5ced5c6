// Program text is 8-bit Latin-1, as the phone's font is: characters beyond it
// are refused with a reason rather than dropped or turned into "?".
#pragma once

#include <QString>

// Empty when every character of the text fits in Latin-1; otherwise the status-bar text.
QString latin1Refusal(const QString& text);
QString readOnlyMessage();
