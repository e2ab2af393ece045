// The graphical application. Built from app/qt/ with Qt; without Qt a stub explains itself.
#pragma once

namespace quorvane {

// Starts the application on the converter screen; returns the exit status.
int runGuiApp(int argc, char** argv);

// One paragraph for `quorvane --help` about the application's own options.
const char* guiHelpText();

} // namespace quorvane
