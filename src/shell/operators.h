// The operators of the cash desk ("operatori.ini"): name=password lines, the password compared
// as an integer.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vandrix::shell {

// A password as the login compares it: its integer value written in decimal ("0042" -> 42,
// letters or nothing -> 0).
long passwordValue(const std::string& text);

// The name of the first operator line whose password equals the typed one.
std::optional<std::string> findOperator(const std::vector<std::string>& lines,
                                        const std::string& typedPassword);

// Writes "operatori.ini" with its default line when it is missing or empty.
void ensureOperatorsFile();

}  // namespace vandrix::shell
