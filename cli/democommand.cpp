#include "cli/commands.h"
#include "demo/demogame.h"

namespace quorvant::cli {

int RunDemo(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!demo::WriteDemoGame(line.positionals[0], error)) {
        err << "obtool: " << error << '\n';
        return kExitFailure;
    }
    out << "demo game written to " << line.positionals[0] << " (install folders bw1, bw2, bw3)\n";
    return 0;
}

} // namespace quorvant::cli
