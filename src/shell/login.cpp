// The operator login.
#include "shell/login.h"

#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/operators.h"

namespace vandrix::shell {

std::string typedPassword(const std::string& inputResult) {
    size_t bar = inputResult.find('|');
    if (bar == std::string::npos)
        return {};
    size_t end = inputResult.find('|', bar + 1);
    return inputResult.substr(bar + 1,
                              end == std::string::npos ? std::string::npos : end - bar - 1);
}

void login(Application& app) {
    if (app.settings.login == 0)
        return;
    while (true) {
        std::string answer = app.dialogs.input("Introduceti parola pentru logare:\r\n\r\n",
                                               "Parola", "", kButtonsOk);
        if (auto name = findOperatorInFile(typedPassword(answer))) {
            app.operatorName = *name;
            return;
        }
    }
}

}  // namespace vandrix::shell
