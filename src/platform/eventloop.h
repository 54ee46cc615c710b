#pragma once

// Lets queued events, due timers and deferred deletions run for at least the given time (once
// when 0): unloaded screens are really gone afterwards.
void processEventsFor(int ms);
