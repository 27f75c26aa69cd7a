// Every drawn icon has a picture of its own for a screen of twice the density, so nothing the
// program draws is a blown-up 16-pixel picture at 200 %.

#include "app/ui/programart.h"
#include "obdata/generation.h"
#include "views/ui/classicons.h"
#include "workspace/commandids.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

using namespace quorvant;
using namespace quorvant::ui;

namespace {

// What is wrong with icon at twice the density: empty when its 2x picture is drawn at 2x.
std::string DoubleDensityFault(const QIcon& icon, int size) {
    const QPixmap single = icon.pixmap(QSize(size, size), 1.0);
    const QPixmap twice = icon.pixmap(QSize(size, size), 2.0);
    if (twice.devicePixelRatio() != 2.0) return "ratio " + std::to_string(twice.devicePixelRatio());
    if (twice.size() != QSize(2 * size, 2 * size))
        return "size " + std::to_string(twice.width()) + "x" + std::to_string(twice.height());
    if (single.size() != QSize(size, size)) return "1x size " + std::to_string(single.width());
    // A picture drawn at 2x has edges a stretched 1x picture cannot have.
    QImage stretched = single.toImage().scaled(2 * size, 2 * size).convertToFormat(QImage::Format_ARGB32);
    QImage drawn = twice.toImage().convertToFormat(QImage::Format_ARGB32);
    stretched.setDevicePixelRatio(1);
    drawn.setDevicePixelRatio(1);
    if (stretched == drawn) return "the 2x picture is the 1x one stretched";
    return {};
}

TEST(IconScales, ClassIconsOfEveryGenerationAndTheNeutralOne) {
    for (int g : {kBW1, kBW2, kBW3}) {
        const QList<QIcon>& icons = UnitClassIcons(g);
        for (int i = 0; i < icons.size(); ++i)
            EXPECT_EQ(DoubleDensityFault(icons[i], kClassIconSize), "")
                << GenerationLabel(g) << " class " << i;
    }
    EXPECT_EQ(DoubleDensityFault(UnitClassIcon(kBW1, -1), kClassIconSize), "");
    // An icon of one 1x picture, the way the class icons used to be made, is caught.
    const QIcon single(QPixmap::fromImage(DrawClassSymbol(ClassSymbols(kBW1).front())));
    EXPECT_NE(DoubleDensityFault(single, kClassIconSize), "");
}

TEST(IconScales, ClassSymbolDrawnAtTwiceTheScale) {
    const ClassSymbol symbol = ClassSymbols(kBW2).front();
    const QImage image = DrawClassSymbol(symbol, 2);
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    // Out-of-range scales are held to what a screen can have.
    EXPECT_EQ(DrawClassSymbol(symbol, 0).size(), QSize(16, 16));
    EXPECT_EQ(DrawClassSymbol(symbol, 1000).size(), QSize(64, 64));
}

TEST(IconScales, ToolbarCommandsAndTheProgramIcon) {
    for (int command : {ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_UNDO,
                        ID_EDIT_REDO, ID_APP_ABOUT, ID_UNIT_EDITOR, ID_FORMATION_EDITOR, ID_WEAPON_EDITOR,
                        ID_VIEW_LIST, ID_VIEW_REPORT, ID_VIEW_LBM_CROSS_REFERENCE, ID_GAME_MANAGER})
        EXPECT_EQ(DoubleDensityFault(CommandIcon(command), 16), "") << "command " << command;
    for (int size : {16, 32, 48})
        EXPECT_EQ(DoubleDensityFault(ProgramIcon(), size), "") << "program icon at " << size;
    const QPixmap badge = ProgramPicture(128, 2.0);
    EXPECT_EQ(badge.size(), QSize(256, 256));
    EXPECT_EQ(badge.devicePixelRatio(), 2.0);
}

} // namespace
