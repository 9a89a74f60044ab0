#pragma once

class TConfigForm;

// The generated window has made its first read and its request has nothing
// outstanding (no read, no write).
bool IsIdle(const TConfigForm &form);

// Spins the event loop until the generated window has made its first read
// and its request has nothing outstanding (no read, no write); false when
// that does not happen within ms.
bool WaitIdle(TConfigForm &form, int ms = 15000);
