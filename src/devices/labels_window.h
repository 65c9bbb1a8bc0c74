// The shelf labels window "Etichete".
#pragma once

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::devices {

// The labels window; the reports window is hidden while it is open.
void openLabelsWindow(shell::Application& app, ui::Form& reportsWindow);

}  // namespace vandrix::devices
