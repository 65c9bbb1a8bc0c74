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

// What a program cost while it ran: the processor time it used and how often it woke up from a
// wait (its voluntary context switches).
struct ProcessUsage {
    bool ran = false;  // it was started and ended
    double processorSeconds = 0;
    long wakeUps = 0;
};

// Runs the program in the given working folder for the given time, its output thrown away,
// then asks it to end (as a system shutdown does) and waits for it.
ProcessUsage runForAWhile(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingFolder,
                          const std::vector<std::pair<std::string, std::string>>& environment,
                          int milliseconds);

}  // namespace vandrix::platform
