// What the sale window's loop hands to the sale screen: every event that is not the window's
// own (closing, the backdrop, the logo), and the work after every event.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell {

class SaleOperations {
  public:
    virtual ~SaleOperations() = default;
    virtual void handle(const ui::Event& event) = 0;
    virtual void afterEvent() = 0;
};

}  // namespace vandrix::shell
