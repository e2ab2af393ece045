// Program entry: `quorvane convert ...` runs the terminal converter; anything else starts the app.
#include "convert_command.h"
#include "gui_app.h"

#include <cstdio>
#include <string_view>

namespace {

void printHelp() {
    std::fputs("Usage: quorvane [OPTIONS] [POSITION]\n"
               "       quorvane convert [OPTIONS] TEXT | -\n"
               "\n"
               "Quorvane shows one geographic position in four notations side by side:\n"
               "degrees-minutes-seconds, degrees and decimal minutes, decimal degrees with the\n"
               "degree mark, and signed decimal degrees.\n"
               "\n"
               "Commands:\n"
               "  convert TEXT   print TEXT, a position in any of the four notations, in all\n"
               "                 four, as the form converts it (one copy line per notation):\n"
               "                   quorvane convert \"45° 30' 15\\\" N, 73° 20' 30\\\" W\"\n"
               "  convert -      the same for every line of the standard input, one output\n"
               "                 line each with the four notations separated by tabs\n"
               "                 (see `quorvane convert --help` for the accepted texts,\n"
               "                 --fields, --edit, --decimal-comma and --decimal-point)\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this text\n"
               "\n"
               "Options of the application:\n",
               stdout);
    std::fputs(quorvane::guiHelpText(), stdout);
}

// What the program printed must have reached its output; a full disk or a closed pipe is said.
int withOutputChecked(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fputs("quorvane: cannot write the output\n", stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    // convert checks its own output and says so with its own name.
    if (first == "convert") return quorvane::runConvertCommand(argc - 2, argv + 2, stdin, stdout, stderr);
    if (first == "--help" || first == "-h") {
        printHelp();
        return withOutputChecked(0);
    }
    return withOutputChecked(quorvane::runGuiApp(argc, argv));
}
