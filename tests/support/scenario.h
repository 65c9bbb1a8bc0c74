// Running the real program through its automation script in a test's own working folder.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vandrix::testing {

struct ScenarioRun {
    int exitStatus = -1;  // -1 when the program did not end by itself
    int signal = 0;       // the signal that ended it, 0 when it exited
    std::string output;   // standard output and error
    std::vector<std::string> transcript;
    bool transcriptHas(const std::string& line) const;
};

// Runs the program in folder (also its temporary folder) with the script's text, on a clock
// that starts at 2026-12-10 09:30:00; the transcript is read back afterwards.
ScenarioRun runScenario(const std::filesystem::path& folder, const std::string& script,
                        const std::vector<std::string>& extraArguments = {});

using Environment = std::vector<std::pair<std::string, std::string>>;

// A run of the program in the background, as runScenario starts it (with extra environment
// variables), for tests that stop it from outside or let it stop itself. Its output is read
// through a pipe while it runs; finish() waits for its end.
class RunningScenario {
  public:
    RunningScenario(const std::filesystem::path& folder, const std::string& script,
                    const Environment& environment = {});
    ~RunningScenario();  // waits for the program when finish() was not called
    RunningScenario(const RunningScenario&) = delete;
    RunningScenario& operator=(const RunningScenario&) = delete;

    pid_t pid() const { return pid_; }  // -1 when the program could not be started
    ScenarioRun finish();

  private:
    std::filesystem::path folder_;
    pid_t pid_ = -1;
    int outputFd_ = -1;
    std::string output_;
    std::thread reader_;
    bool finished_ = false;
};

// The lines of a file without their CR LF ends.
std::vector<std::string> fileLines(const std::filesystem::path& file);

}  // namespace vandrix::testing
