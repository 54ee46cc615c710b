// The shared state for fuzz targets that compile readers which also fill it: no screen is ever
// made, so the references stay empty.
#include "app/module1.h"

Module1State Module1;
SharedState& Shared = Module1;
