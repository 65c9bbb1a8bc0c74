// Start-up and shutdown: everything between the process starting and the first pass of the sale
// window's loop, and everything after the loop ends.
#pragma once

#include <string>
#include <vector>

namespace vandrix::shell {

struct CommandLine {
    std::string scriptPath;      // --script FILE
    std::string transcriptPath;  // --transcript FILE
    std::string firstParameter;  // the first plain parameter ("WINDOWSXP")
    std::string error;           // a parameter that could not be read
};

CommandLine parseCommandLine(int argc, char** argv);

struct Subsystems;

// Runs the whole program in the current working folder; returns the exit status.
int runProgram(int argc, char** argv, const Subsystems& subsystems);

}  // namespace vandrix::shell
