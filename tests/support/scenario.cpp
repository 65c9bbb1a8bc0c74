// Scenario runs of the program.
#include "scenario.h"

#include <algorithm>

#include "platform/process.h"
#include "platform/text_file.h"
#include "temp_folder.h"

namespace vandrix::testing {

bool ScenarioRun::transcriptHas(const std::string& line) const {
    return std::find(transcript.begin(), transcript.end(), line) != transcript.end();
}

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    return platform::readLines(file.string(), platform::Encoding::Utf8)
        .value_or(std::vector<std::string>{});
}

ScenarioRun runScenario(const std::filesystem::path& folder, const std::string& script,
                        const std::vector<std::string>& extraArguments) {
    const auto scriptFile = folder / ".scenario-script.txt";
    const auto transcriptFile = folder / ".scenario-transcript.txt";
    writeFileBytes(scriptFile, script);
    std::filesystem::remove(transcriptFile);
    std::vector<std::string> arguments = extraArguments;
    arguments.insert(arguments.end(),
                     {"--script", scriptFile.string(), "--transcript", transcriptFile.string()});
    auto result = platform::runAndWait(VANDRIX_EXECUTABLE, arguments, folder.string(),
                                       {{"TMPDIR", folder.string()},
                                        {"XDG_RUNTIME_DIR", folder.string()},
                                        {"VANDRIX_CLOCK_START", "2026-12-10 09:30:00"}});
    ScenarioRun run;
    run.exitStatus = result.exitStatus;
    run.output = result.output;
    run.transcript = fileLines(transcriptFile);
    std::filesystem::remove(scriptFile);
    std::filesystem::remove(transcriptFile);
    return run;
}

}  // namespace vandrix::testing
