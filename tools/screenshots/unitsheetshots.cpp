#include "tools/screenshots/unitsheetshots.h"

#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "editors/tablecommit.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/unitsheetpage.h"
#include "editors/ui/unitspropsheet.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

#include <QTabWidget>

namespace quorvant::ui {
namespace {

// The first named unit, so the pages show real values.
int ShownSlot(const CQuorvantDoc& doc) {
    for (int slot = 1; slot < doc.UnitCount(); ++slot)
        if (!doc.Units[static_cast<std::size_t>(slot)].Name.isBlank()) return slot;
    return 1;
}

} // namespace

bool ShootUnitSheets(CMainFrame& frame, const std::function<bool(QWidget*, const QString&)>& save) {
    bool ok = true;
    for (int generation : {kBW1, kBW2, kBW3}) {
        CChildFrame* child = nullptr;
        for (CChildFrame* c : frame.childFrames())
            if (!child && c->document().Generation == generation) child = c;
        if (!child || child->document().UnitCount() < 2) {
            ok = false;
            continue;
        }
        child->editors()->Open(kUnitTable, ShownSlot(child->document()));
        auto* sheet = static_cast<CUnitsPropSheet*>(child->editors()->editor(kUnitTable));
        for (int p = 0; p < sheet->PageCount(); ++p) {
            sheet->SetActivePage(p);
            QString name = QStringLiteral("%1-%2-unit-%3")
                               .arg(10 + generation * sheet->PageCount() + p)
                               .arg(QString::fromLatin1(GenerationLabel(generation)).toLower())
                               .arg(sheet->page(p)->Title().trimmed().toLower().replace(QLatin1Char(' '),
                                                                                        QLatin1Char('-')));
            ok = save(sheet, name) && ok;
        }
        child->editors()->CloseEditors();
    }
    return ok;
}

} // namespace quorvant::ui
