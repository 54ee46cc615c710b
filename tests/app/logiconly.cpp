// Every object of the logic library in one program that links Qt Core alone: a call from the
// logic into a screen or into Qt Gui fails this link, and ldd on it shows what it loads.
#include "state/sharedstate.h"

SharedState& Shared = *new SharedState;

int main() {
    return 0;
}
