#include "cli_test_support.h"

#include <regex>

using namespace quorvant::testing;

// Scripts and the package check read the version from one line on standard output.
TEST(ObtoolVersion, PrintsOneLineAndIsListedInTheHelp) {
    ToolResult r = Obtool({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.empty());
    EXPECT_TRUE(std::regex_match(r.out, std::regex("obtool [0-9]+(\\.[0-9]+)*\n"))) << r.out;
    EXPECT_NE(Obtool({"--help"}).out.find("  obtool --version\n"), std::string::npos);
}
