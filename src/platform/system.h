// The operating system around the program: user, temporary folder, version check, outside
// programs and the desktop's opener.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vandrix::platform {

// The user's temporary folder with a trailing separator: $TMPDIR, else /tmp.
std::string temporaryFolder();

// The name of the logged-on user ("" when it cannot be found).
std::string userName();

// The operating-system version check of start-up; every system this build runs on passes.
bool systemVersionSupported();

// Starts a program detached from this process (it survives the program's end), with the given
// working folder. False when it could not be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder);

// Hands a file or an address to the desktop's associated program.
bool openWithAssociatedProgram(const std::string& pathOrAddress);

// This process's number.
long processId();

// The most memory this process has held in RAM at once so far, in bytes.
std::int64_t peakResidentBytes();

// The value of an environment variable; "" when it is not set.
std::string environmentVariable(const std::string& name);

// Ends the process at once with the status: no destructor runs (what is open is released by
// the system), for the ends that cannot unwind (a script that failed or ran out).
[[noreturn]] void exitImmediately(int status);

// The path of the running executable ("" when unknown).
std::string executablePath();

// The certificate-authority bundle of the system ("" when there is none).
std::string systemCertificateBundle();

// The script that swaps in a waiting update: it waits about two seconds, replaces the
// executable with the update file, starts the program again and deletes itself.
struct UpdateScript {
    std::string fileName;
    std::string content;  // the whole file
    std::string program;  // how to start it
    std::vector<std::string> arguments;
};
UpdateScript updateSwapScript(const std::string& executable, const std::string& updateFile);

}  // namespace vandrix::platform
