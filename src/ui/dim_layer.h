// The translucent, always-on-top layer that dims the screen behind the program's dialogs.
#pragma once

#include <memory>

#include "ui/colour_scheme.h"

class QWidget;

namespace vandrix::ui {

class Runtime;

// Shown while an instance exists; nested dialogs share the one layer (at most one exists).
class DimLayer {
  public:
    explicit DimLayer(Runtime& runtime);
    ~DimLayer();
    DimLayer(const DimLayer&) = delete;
    DimLayer& operator=(const DimLayer&) = delete;

  private:
    Runtime& runtime_;
};

}  // namespace vandrix::ui
