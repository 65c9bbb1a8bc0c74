// Scenario runs of the program.
#include "scenario.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

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

namespace {

std::filesystem::path scriptFileIn(const std::filesystem::path& folder) {
    return folder / ".scenario-script.txt";
}
std::filesystem::path transcriptFileIn(const std::filesystem::path& folder) {
    return folder / ".scenario-transcript.txt";
}

}  // namespace

ScenarioRun runScenario(const std::filesystem::path& folder, const std::string& script,
                        const std::vector<std::string>& extraArguments) {
    const auto scriptFile = scriptFileIn(folder);
    const auto transcriptFile = transcriptFileIn(folder);
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

RunningScenario::RunningScenario(const std::filesystem::path& folder, const std::string& script,
                                 const Environment& environment)
    : folder_(folder) {
    writeFileBytes(scriptFileIn(folder), script);
    std::filesystem::remove(transcriptFileIn(folder));
    // Everything the child needs is built before fork: between fork and exec only calls that are
    // safe in a copy of a threaded process run.
    const std::string program = VANDRIX_EXECUTABLE;
    const std::string scriptFile = scriptFileIn(folder).string();
    const std::string transcriptFile = transcriptFileIn(folder).string();
    const std::string folderText = folder.string();
    std::vector<const char*> argv = {program.c_str(),        "--script",
                                     scriptFile.c_str(),     "--transcript",
                                     transcriptFile.c_str(), nullptr};
    Environment settings = {{"TMPDIR", folderText},
                            {"XDG_RUNTIME_DIR", folderText},
                            {"VANDRIX_CLOCK_START", "2026-12-10 09:30:00"}};
    settings.insert(settings.end(), environment.begin(), environment.end());
    std::vector<std::string> assignments;
    for (char** e = environ; *e != nullptr; ++e) {
        const char* equals = std::strchr(*e, '=');
        const std::string name(*e, equals != nullptr ? equals - *e : std::strlen(*e));
        if (std::none_of(settings.begin(), settings.end(),
                         [&](const auto& s) { return s.first == name; }))
            assignments.emplace_back(*e);
    }
    for (const auto& [name, value] : settings)
        assignments.push_back(name + "=" + value);
    std::vector<const char*> envp;
    for (const auto& a : assignments)
        envp.push_back(a.c_str());
    envp.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0)
            ::dup2(devNull, 0);
        if (::chdir(folderText.c_str()) != 0)
            ::_exit(127);
        ::execve(argv[0], const_cast<char* const*>(argv.data()),
                 const_cast<char* const*>(envp.data()));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (pid_ < 0) {
        ::close(pipeFds[0]);
        return;
    }
    outputFd_ = pipeFds[0];
    reader_ = std::thread([this] {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(outputFd_, buffer, sizeof buffer)) > 0)
            output_.append(buffer, static_cast<size_t>(n));
    });
}

RunningScenario::~RunningScenario() {
    if (!finished_)
        finish();
}

ScenarioRun RunningScenario::finish() {
    finished_ = true;
    ScenarioRun run;
    if (pid_ > 0) {
        int status = 0;
        if (::waitpid(pid_, &status, 0) == pid_) {
            if (WIFEXITED(status))
                run.exitStatus = WEXITSTATUS(status);
            if (WIFSIGNALED(status))
                run.signal = WTERMSIG(status);
        }
    }
    if (reader_.joinable())
        reader_.join();
    if (outputFd_ >= 0)
        ::close(outputFd_);
    outputFd_ = -1;
    run.output = output_;
    run.transcript = fileLines(transcriptFileIn(folder_));
    std::error_code ec;
    std::filesystem::remove(scriptFileIn(folder_), ec);
    std::filesystem::remove(transcriptFileIn(folder_), ec);
    return run;
}

}  // namespace vandrix::testing
