// The operators of the cash desk ("operatori.ini"): name=password lines, the password compared
// as an integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vandrix::shell {

// A password as the login compares it: its integer value written in decimal ("0042" -> 42,
// letters or nothing -> 0). 64 bits wide, so a long code reads the same on every system.
std::int64_t passwordValue(const std::string& text);

// The name of the first operator line whose password equals the typed one.
std::optional<std::string> findOperator(const std::vector<std::string>& lines,
                                        const std::string& typedPassword);

// The same over the lines of "operatori.ini" (ANSI); no operator when the file is missing.
std::optional<std::string> findOperatorInFile(const std::string& typedPassword);

// Writes "operatori.ini" with its default line when it is missing or empty.
[[nodiscard]] bool ensureOperatorsFile();  // false when the file could not be written

}  // namespace vandrix::shell
