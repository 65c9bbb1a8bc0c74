// The loop every window runs: wait for an event with the window's time-out, hand it to the
// window's handler, do the window's work after it, until the handler ends the loop.
#pragma once

#include <functional>

#include "ui/form.h"

namespace vandrix::ui {

enum class Next { Stay, Leave };

// Runs the form's loop. The work after an event also runs once before the first wait (the
// window is ready before the first key) and after each wait that timed out.
inline void runWindowLoop(Form& form, int timeoutMs,
                          const std::function<Next(const Event&)>& handle,
                          const std::function<void()>& afterEvent = {}) {
    if (afterEvent)
        afterEvent();
    while (true) {
        auto event = form.wait(timeoutMs);
        if (event && handle(*event) == Next::Leave)
            return;
        if (afterEvent)
            afterEvent();
    }
}

}  // namespace vandrix::ui
