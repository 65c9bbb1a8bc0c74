// The host of a run at the cash desk (see ui/host.h).
#pragma once

#include "ui/host.h"

class QEventLoop;

namespace vandrix::ui {

class InteractiveHost final : public Host {
  public:
    explicit InteractiveHost(Runtime& runtime);

    bool scripted() const override { return false; }
    std::optional<Event> waitOn(Form& form, int timeoutMs) override;
    void wake() override;
    void pause(int ms) override;
    bool shiftHeld() const override;
    std::optional<std::string> chooseFile(const std::string& title, const std::string& folder,
                                          const std::string& pattern) override;
    void openWithAssociatedProgram(const std::string& pathOrAddress) override;
    void startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    void showSystemMessage(const std::string& text, const std::string& title) override;

  private:
    Runtime& runtime_;
    QEventLoop* waitingLoop_ = nullptr;  // the innermost window's wait, while one runs
};

}  // namespace vandrix::ui
