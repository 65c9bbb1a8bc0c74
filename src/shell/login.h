// The operator login at start: with the login setting on, the password prompt repeats until a
// line of "operatori.ini" matches; the operator's name then goes into the window titles.
#pragma once

#include <string>

namespace vandrix::shell {

struct Application;

// The typed password from the input box's answer: its second "|" field ("" when there is no
// "|", as when the box was closed and NU kept the program running).
std::string typedPassword(const std::string& inputResult);

void login(Application& app);

}  // namespace vandrix::shell
