// Screen-saver detection: a screen saver is taken to run when a running process has a module
// loaded from a path that contains ".scr", the extension of screen-saver files. Nothing is asked
// about screen-saver settings or idle time.
#pragma once

#include <string_view>

#include "recording/recording_loop.h"

// The match rule for one module path: ".scr" exactly (case-sensitive), starting after the first
// character and on a character boundary, so that the second byte of a double-byte character
// never starts it. A substring test: a folder named like "Tools.scripts" matches too.
bool IsScreenSaverModulePath(std::string_view modulePath);

// Windows only: scans the running processes and their modules. Whatever cannot be opened or
// read counts as no match.
class CScreenSaverDetector : public IScreenSaverDetector {
public:
    bool IsScreenSaverRunning() override;
};
