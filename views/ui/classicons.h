#pragma once

#include "views/classsymbols.h"

#include <QIcon>
#include <QImage>
#include <QList>

namespace quorvant::ui {

constexpr int kClassIconSize = 16;

// A 16 x 16 picture of a class symbol on a transparent background, drawn at scale (1 to 4) times
// the pixels with that device pixel ratio.
QImage DrawClassSymbol(const ClassSymbol& symbol, int scale = 1);

// The icons of a generation's unit classes, in list order; drawn once and kept for the program's life.
const QList<QIcon>& UnitClassIcons(int generation);

// The icon of a class position: a neutral one for a position outside the generation's list.
QIcon UnitClassIcon(int generation, int classIndex);

} // namespace quorvant::ui
