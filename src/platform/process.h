// Running an outside program and waiting for it to end.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vandrix::platform {

struct ProcessResult {
    int exitStatus = -1;  // -1 when the program could not be started or did not end normally
    std::string output;   // what it wrote to standard output and standard error
};

// Runs the program in the given working folder with extra environment variables, and waits for
// it. Its standard input is empty.
ProcessResult runAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder,
                         const std::vector<std::pair<std::string, std::string>>& environment = {});

}  // namespace vandrix::platform
