#pragma once

#include "tests/core/obfile_builder.h"

namespace quorvant::testing {

// A BW2 file of nation 31: a gun at weapon slot 12 and a tank at unit slot 5 carrying weapon 7 third.
inline OBFileBuilder PatchSource() {
    return OBFileBuilder::BW2()
        .column(25000, 1, 31)
        .weaponName(12, "88mm KwK")
        .column(5250, 12, 40, 2, 0)
        .unitName(5, "Tiger")
        .column(14000, 5, 7, 4, 2);
}

// The same with the gun renamed and hitting harder, and the tank carrying weapon 9.
inline OBFileBuilder PatchTarget() {
    return PatchSource().weaponName(12, "88mm KwK 36").column(5250, 12, 45, 2, 0).column(14000, 5, 9, 4, 2);
}

} // namespace quorvant::testing
