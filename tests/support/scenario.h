// Running the real program through its automation script in a test's own working folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vandrix::testing {

struct ScenarioRun {
    int exitStatus = -1;
    std::string output;  // standard output and error
    std::vector<std::string> transcript;
    bool transcriptHas(const std::string& line) const;
};

// Runs the program in folder (also its temporary folder) with the script's text, on a clock
// that starts at 2026-12-10 09:30:00; the transcript is read back afterwards.
ScenarioRun runScenario(const std::filesystem::path& folder, const std::string& script,
                        const std::vector<std::string>& extraArguments = {});

// The lines of a file without their CR LF ends.
std::vector<std::string> fileLines(const std::filesystem::path& file);

}  // namespace vandrix::testing
