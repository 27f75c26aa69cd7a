#include "analysis/comparelabels.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

TEST(CompareLabels, AddFoldersOnlyUntilTheFilesCanBeToldApart) {
    struct Case {
        const char* a;
        const char* b;
        const char* labelA;
        const char* labelB;
    } cases[] = {
        {"/games/brass/OBPZ", "/games/brass/OBPZ-copy", "OBPZ", "OBPZ-copy"},
        {"/games/brass/OBPZ", "/backup/old/OBPZ", "brass/OBPZ", "old/OBPZ"},
        {"/games/brass/OBPZ", "/backup/brass/obpz", "games/brass/OBPZ", "backup/brass/obpz"},
        {"/OBPZ", "/brass/OBPZ", "OBPZ", "brass/OBPZ"},
        {"/games/brass/OBPZ", "/games/brass/./OBPZ", "OBPZ (open)", "OBPZ (on disk)"},
    };
    for (const Case& c : cases) {
        const auto [a, b] = CompareLabels(c.a, c.b);
        EXPECT_EQ(a, c.labelA) << c.a << " against " << c.b;
        EXPECT_EQ(b, c.labelB) << c.a << " against " << c.b;
    }
}

} // namespace
} // namespace quorvant
