// POSIX implementation of the operating-system services.
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/paths.h"
#include "platform/system.h"

extern char** environ;

namespace vandrix::platform {

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = (tmp && *tmp) ? tmp : "/tmp";
    if (!endsWithSeparator(folder))
        folder.push_back(kSeparator);
    return folder;
}

std::string userName() {
    if (struct passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        return pw->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

bool systemVersionSupported() {
    return true;
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder) {
    // Double fork: the grandchild is adopted by init, so the program's end does not end it and
    // no zombie is left behind.
    // Everything the child needs is prepared before the fork: after it only system calls run.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::string folder = toPlatformPath(workingFolder);
    pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        if (!folder.empty() && ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool openWithAssociatedProgram(const std::string& pathOrAddress) {
    return startDetached("xdg-open", {pathOrAddress}, "");
}

long processId() {
    return static_cast<long>(::getpid());
}

std::string environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

void exitImmediately(int status) {
    ::_exit(status);
}

std::string executablePath() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(n));
}

std::string systemCertificateBundle() {
    for (const char* path :
         {"/etc/ssl/certs/ca-certificates.crt", "/etc/pki/tls/certs/ca-bundle.crt"})
        if (::access(path, R_OK) == 0)
            return path;
    return {};
}

namespace {

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out.push_back(c);
    }
    return out + "'";
}

}  // namespace

UpdateScript updateSwapScript(const std::string& executable, const std::string& updateFile) {
    const std::string exe = shellQuoted(executable);
    UpdateScript script;
    script.fileName = "update.sh";
    // Shell scripts need plain line feeds.
    script.content =
        "#!/bin/sh\n"
        "sleep 2\n"
        "rm -f " +
        exe +
        "\n"
        "mv " +
        shellQuoted(updateFile) + " " + exe +
        "\n"
        "chmod +x " +
        exe +
        "\n"
        "sleep 2\n" +
        exe +
        " > /dev/null 2>&1 &\n"
        "sleep 2\n"
        "rm -f update.sh\n";
    script.program = "sh";
    script.arguments = {script.fileName};
    return script;
}

std::int64_t peakResidentBytes() {
    rusage used{};
    if (::getrusage(RUSAGE_SELF, &used) != 0)
        return 0;
    return static_cast<std::int64_t>(used.ru_maxrss) * 1024;  // kilobytes on Linux
}

}  // namespace vandrix::platform
