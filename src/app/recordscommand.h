#pragma once

#include "app/commandline.h"

// The technician's records commands, run without a window.
int runRecordsCommand(const RecordsRequest& r, int argc, char** argv);
