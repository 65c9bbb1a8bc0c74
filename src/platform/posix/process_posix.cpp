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

ProcessResult runAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder,
                         const std::vector<std::pair<std::string, std::string>>& environment) {
    ProcessResult result;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return result;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> assignments;
    for (const auto& [name, value] : environment)
        assignments.push_back(name + "=" + value);
    std::string folder = toPlatformPath(workingFolder);

    pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return result;
    }
    if (child == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0)
            ::dup2(devNull, 0);
        for (auto& a : assignments)
            ::putenv(a.data());
        if (!folder.empty() && ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
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
                          const std::string& workingFolder,
                          const std::vector<std::pair<std::string, std::string>>& environment,
                          int milliseconds) {
    ProcessUsage usage;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> assignments;
    for (const auto& [name, value] : environment)
        assignments.push_back(name + "=" + value);
    std::string folder = toPlatformPath(workingFolder);

    pid_t child = ::fork();
    if (child < 0)
        return usage;
    if (child == 0) {
        int devNull = ::open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            ::dup2(devNull, 0);
            ::dup2(devNull, 1);
            ::dup2(devNull, 2);
        }
        for (auto& a : assignments)
            ::putenv(a.data());
        if (!folder.empty() && ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
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
