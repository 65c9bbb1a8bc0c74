// The settings files in the working folder: created from their templates when missing or
// empty, then read into the settings.
#pragma once

#include <string>
#include <vector>

#include "shell/settings.h"

namespace vandrix::shell {

// The 31 lines of the "CaleBonuri.ini" template for the given base folder.
std::vector<std::string> caleBonuriTemplate(const std::string& baseFolder);

// Start-up step of the settings, in order: "grupa.ini", "CaleBonuri.ini" (with the folders
// "Bonuri" and "Datecs" after the template is written), "ModuriPlata.ini".
Settings loadSettings(const std::string& baseFolder);

// After the database is ready: the "ServerConfirmare" folder and the trailing separator of
// ServerDir and NoteDir.
void finishSettings(Settings& settings);

// "CaleBonuri.ini" once "ZINI" opened a period: its "ZINI" lines are taken out, so the next
// start does not open the period again, and every other line stays as the shop wrote it, byte
// for byte. The file is written complete and then moved into place.
[[nodiscard]] bool rewriteCaleBonuriAfterZini();

}  // namespace vandrix::shell
