// The window runtime shared by the window tests, and dialogs whose answers a test gives.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/dialogs.h"

namespace vandrix::ui {
class Runtime;
}

namespace vandrix::testing {

ui::Runtime& testRuntime();

// Dialogs that record what was asked and answer from a list (OK when it runs out).
class ScriptedDialogs final : public shell::Dialogs {
  public:
    std::deque<shell::DialogResult> answers;
    std::vector<std::string> asked;  // "title | text"

    shell::DialogResult message(const std::string& text, const std::string& title,
                                shell::DialogFlags) override {
        asked.push_back(title + " | " + text);
        if (answers.empty())
            return shell::kResultOk;
        shell::DialogResult a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string input(const std::string& text, const std::string& title, const std::string&,
                      shell::DialogFlags) override {
        asked.push_back(title + " | " + text);
        return "Ok|";
    }
    int timedMessage(const std::string&, const std::string&, shell::DialogFlags, int) override {
        return 0;
    }
    int copyableMessage(const std::string&, const std::string&, int, int) override { return 0; }
    bool whileShowing(const std::string& text, const std::string& title,
                      const std::function<bool()>& work) override {
        asked.push_back(title + " | " + text);
        return work();
    }
};

}  // namespace vandrix::testing
