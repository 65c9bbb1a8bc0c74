// Running a program and collecting its output on POSIX systems.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>

#include "platform/paths.h"
#include "platform/process.h"

namespace vandrix::platform {

namespace {

using Environment = std::vector<std::pair<std::string, std::string>>;

// Starts the program in a child process in the working folder with the extra environment
// variables, its standard input empty and its output (standard output and error) sent to
// outputFd, or thrown away when outputFd is -1; closeInChild is a descriptor the child must
// not keep. Returns the child's id, or -1 when it could not be started.
pid_t startChild(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& workingFolder, const Environment& environment, int outputFd,
                 int closeInChild) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> assignments;
    for (const auto& [name, value] : environment)
        assignments.push_back(name + "=" + value);
    const std::string folder = toPlatformPath(workingFolder);

    pid_t child = ::fork();
    if (child != 0)
        return child;
    int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0)
        ::dup2(devNull, 0);
    const int output = outputFd >= 0 ? outputFd : devNull;
    if (output >= 0) {
        ::dup2(output, 1);
        ::dup2(output, 2);
    }
    if (closeInChild >= 0)
        ::close(closeInChild);
    for (auto& a : assignments)
        ::putenv(a.data());
    if (!folder.empty() && ::chdir(folder.c_str()) != 0)
        ::_exit(127);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

}  // namespace

ProcessResult runAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder, const Environment& environment) {
    ProcessResult result;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return result;
    const pid_t child =
        startChild(program, arguments, workingFolder, environment, pipeFds[1], pipeFds[0]);
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return result;
    }
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    return result;
}

ProcessUsage runForAWhile(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingFolder, const Environment& environment,
                          int milliseconds) {
    ProcessUsage usage;
    const pid_t child = startChild(program, arguments, workingFolder, environment, -1, -1);
    if (child < 0)
        return usage;
    timespec wait{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
    ::kill(child, SIGTERM);
    int status = 0;
    rusage used{};
    if (::wait4(child, &status, 0, &used) == child) {
        usage.ran = true;
        usage.processorSeconds =
            static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
            static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
        usage.wakeUps = used.ru_nvcsw;
    }
    return usage;
}

}  // namespace vandrix::platform
