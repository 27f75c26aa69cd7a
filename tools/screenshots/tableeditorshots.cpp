#include "tools/screenshots/tableeditorshots.h"

#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "editors/tablecommit.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

namespace quorvant::ui {
namespace {

// The formation with the most entries in use, so the picture shows the structure.
int FullestFormation(const CQuorvantDoc& doc) {
    int best = 1, bestCount = -1;
    for (int slot = 1; slot < doc.FormationCount(); ++slot) {
        const CFormationRecord& formation = doc.Formations[static_cast<std::size_t>(slot)];
        int used = 0;
        for (int n = 0; n < kFormationEntries; ++n) used += formation.unitEntry(doc.Generation, n) != 0;
        if (used > bestCount) best = slot, bestCount = used;
    }
    return best;
}

int FirstNamedWeapon(const CQuorvantDoc& doc) {
    for (int slot = 1; slot < doc.WeaponCount(); ++slot)
        if (!doc.Weapons[static_cast<std::size_t>(slot)].Name.isBlank()) return slot;
    return 1;
}

} // namespace

bool ShootFormationAndWeaponEditors(CMainFrame& frame,
                                    const std::function<bool(QWidget*, const QString&)>& save) {
    bool ok = true;
    int shot = 40;
    for (int generation : {kBW1, kBW2, kBW3}) {
        CChildFrame* child = nullptr;
        for (CChildFrame* c : frame.childFrames())
            if (!child && c->document().Generation == generation) child = c;
        if (!child || child->document().FormationCount() < 2 || child->document().WeaponCount() < 2) {
            ok = false;
            continue;
        }
        const QString label = QString::fromLatin1(GenerationLabel(generation)).toLower();
        const CQuorvantDoc& doc = child->document();
        for (auto [kind, slot, what] : {std::tuple{kFormationTable, FullestFormation(doc), "formations"},
                                        std::tuple{kWeaponTable, FirstNamedWeapon(doc), "weapons"}}) {
            child->editors()->Open(kind, slot);
            CRecordEditor* editor = child->editors()->editor(kind);
            ok = editor && save(editor, QStringLiteral("%1-%2-%3").arg(shot++).arg(label, what)) && ok;
        }
        child->editors()->CloseEditors();
    }
    return ok;
}

} // namespace quorvant::ui
