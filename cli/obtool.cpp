#include "cli/obtool.h"

namespace quorvant::cli {

int RunObtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        out << "usage: obtool COMMAND ...\n";
        return 0;
    }
    err << "obtool: no command given (try obtool -h)\n";
    return 2;
}

} // namespace quorvant::cli
