// The operators file and the password rule of the login.
#include "shell/operators.h"

#include <limits>

#include "platform/files.h"
#include "platform/text_file.h"
#include "shell/settings.h"

namespace vandrix::shell {
namespace {

constexpr const char* kOperators = "operatori.ini";

}  // namespace

std::int64_t passwordValue(const std::string& text) {
    return integerValue(text);
}

std::optional<std::string> findOperator(const std::vector<std::string>& lines,
                                        const std::string& typedPassword) {
    const std::int64_t typed = passwordValue(typedPassword);
    for (const auto& line : lines) {
        // A blank line names no operator; otherwise anyone typing nothing would log in.
        if (trim(line).empty())
            continue;
        size_t equals = line.find('=');
        std::string name = trim(line.substr(0, equals));
        if (passwordValue(field(line, '=', 2)) == typed)
            return name;
    }
    return std::nullopt;
}

std::optional<std::string> findOperatorInFile(const std::string& typedPassword) {
    auto lines = platform::readLines(kOperators, platform::Encoding::Ansi);
    if (!lines)
        return std::nullopt;
    return findOperator(*lines, typedPassword);
}

bool ensureOperatorsFile() {
    return !platform::missingOrEmpty(kOperators) ||
           platform::writeLines(kOperators, {"Operator=5193"}, platform::Encoding::Ansi);
}

}  // namespace vandrix::shell
