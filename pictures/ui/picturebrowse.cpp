#include "pictures/ui/picturebrowse.h"

#include "workspace/ui/dialogcontrols.h"

#include <QPushButton>

namespace quorvant::ui {

PictureBrowseButtons MakePictureBrowseButtons() {
    PictureBrowseButtons b;
    b.first = EditorButton(1059, QStringLiteral("<<"), QStringLiteral("The first picture of the folder."));
    b.previous = EditorButton(1060, QStringLiteral("<"), QStringLiteral("The picture before this one."));
    b.next = EditorButton(1061, QStringLiteral(">"), QStringLiteral("The picture after this one."));
    b.last = EditorButton(1062, QStringLiteral(">>"), QStringLiteral("The last picture of the folder."));
    // The arrows alone say nothing to a screen reader.
    b.first->setAccessibleName(QStringLiteral("First picture"));
    b.previous->setAccessibleName(QStringLiteral("Previous picture"));
    b.next->setAccessibleName(QStringLiteral("Next picture"));
    b.last->setAccessibleName(QStringLiteral("Last picture"));
    b.load = EditorButton(1201, QStringLiteral("Load"),
                          QStringLiteral("Shows the picture whose number is typed."));
    return b;
}

} // namespace quorvant::ui
