#include "gui_app.h"

#include <cstdio>

namespace quorvane {

int runGuiApp(int, char**) {
    std::fputs("quorvane: this build has no graphical application (built without Qt).\n"
               "Use `quorvane convert --help` for the command line converter.\n",
               stderr);
    return 2;
}

const char* guiHelpText() { return "  (this build has no graphical application)\n"; }

} // namespace quorvane
