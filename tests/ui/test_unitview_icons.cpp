#include "obdata/generation.h"
#include "obdata/vocabulary.h"
#include "views/classsymbols.h"
#include "views/ui/classicons.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using namespace quorvant;
using namespace quorvant::ui;

TEST(ClassIcons, OneIconPerClassInListOrder) {
    EXPECT_EQ(UnitClassIcons(kBW1).size(), 51);
    EXPECT_EQ(UnitClassIcons(kBW2).size(), 60);
    EXPECT_EQ(UnitClassIcons(kBW3).size(), 69);
    for (int g : {kBW1, kBW2, kBW3})
        for (const QIcon& icon : UnitClassIcons(g)) EXPECT_FALSE(icon.isNull());
    // The list of a generation is drawn once.
    EXPECT_EQ(&UnitClassIcons(kBW2), &UnitClassIcons(kBW2));
    EXPECT_FALSE(UnitClassIcon(kBW1, 51).isNull());
    EXPECT_FALSE(UnitClassIcon(kBW3, -1).isNull());
}

TEST(ClassIcons, EveryClassHasItsOwnPictureWithinAGeneration) {
    for (int g : {kBW1, kBW2, kBW3}) {
        NameList names = BuildUnitClassList(g);
        std::vector<ClassSymbol> symbols = ClassSymbols(g);
        ASSERT_EQ(symbols.size(), names.size());
        std::set<QByteArray> pictures;
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_NE(symbols[i].shape, SymbolShape::Unknown) << names[i];
            QImage image = DrawClassSymbol(symbols[i]);
            ASSERT_EQ(image.size(), QSize(16, 16));
            QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            EXPECT_TRUE(pictures.insert(bytes).second)
                << GenerationLabel(g) << " " << names[i] << " looks like another class";
        }
    }
}

TEST(ClassIcons, SymbolsSitOnATransparentBackground) {
    for (const ClassSymbol& symbol : ClassSymbols(kBW3)) {
        QImage image = DrawClassSymbol(symbol);
        int clear = 0, solid = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) (qAlpha(image.pixel(x, y)) == 0 ? clear : solid)++;
        EXPECT_GT(clear, 16);
        EXPECT_GT(solid, 16);
    }
}

TEST(ClassIcons, UnknownClassNamesGetTheNeutralSymbol) {
    EXPECT_EQ(SymbolForClass("Battleship").shape, SymbolShape::Unknown);
    EXPECT_EQ(SymbolForClass("").shape, SymbolShape::Unknown);
    EXPECT_EQ(SymbolForClass("Heavy Tank").shape, SymbolShape::Tank);
}
