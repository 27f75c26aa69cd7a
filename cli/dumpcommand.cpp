#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "cli/recordjson.h"
#include "obdata/quorvantdoc.h"

namespace quorvant::cli {

int RunDump(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CQuorvantDoc doc;
    if (!LoadOBFile(ResolveInputPath(line.positionals[0]), doc, err)) return kExitFailure;
    out << DocumentJson(doc).dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    return 0;
}

} // namespace quorvant::cli
