#include "topics/topichub.h"

// The drag-and-drop activities of each topic, titled with the hub's title.
void MoonHub::openLabelling() {}
void MoonHub::openOrdering() {}
void CaesarHub::openLabelling() {}
void CaesarHub::openOrdering() {}
