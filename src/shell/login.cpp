// The operator login.
#include "shell/login.h"

#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/operators.h"
#include "shell/settings.h"

namespace vandrix::shell {

std::string typedPassword(const std::string& inputResult) {
    return field(inputResult, '|', 2);
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
