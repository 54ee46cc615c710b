#pragma once

struct CommandLine;

// tellwyn --import FILE...: imports worksheet files into the worksheet folder with no window (a
// technician's machine may have no display). 0 when every file was imported, 1 otherwise.
int runImportCommand(const CommandLine& cmd, int argc, char** argv);
