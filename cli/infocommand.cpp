#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "obdata/filecompleteness.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

namespace quorvant::cli {

int RunInfo(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CQuorvantDoc doc;
    if (!LoadOBFile(ResolveInputPath(line.positionals[0]), doc, err)) return kExitFailure;
    out << "generation: " << GenerationLabel(doc.Generation) << '\n';
    if (doc.Generation != kBW1) out << "nation: " << doc.FileNation << '\n';
    out << "title: " << doc.GetTitle() << '\n';
    out << "weapons: " << doc.WeaponCount() << '\n';
    out << "units: " << doc.UnitCount() << '\n';
    out << "formations: " << doc.FormationCount() << '\n';
    if (!doc.IsFileComplete())
        out << "size: " << doc.FileSize() << " bytes " << IncompleteFileRemark(doc.Generation) << '\n';
    return 0;
}

} // namespace quorvant::cli
