#include "platform/childprocess.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorvant;

namespace {

// How a Windows program's start-up code reads one quoted argument back: 2n backslashes before a
// quote give n and end the quoting, 2n+1 give n and a literal quote; other backslashes stay.
std::string ReadQuotedArgument(const std::string& quoted) {
    std::string text;
    std::size_t backslashes = 0;
    for (std::size_t i = 1; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            text.append(backslashes / 2, '\\');
            if (backslashes % 2 == 0) return i + 1 == quoted.size() ? text : "<ended early>";
            text += '"';
        } else {
            text.append(backslashes, '\\');
            text += c;
        }
        backslashes = 0;
    }
    return "<never closed>";
}

} // namespace

TEST(WindowsArguments, PathsBlanksQuotesAndTrailingBackslashesSurvive) {
    EXPECT_EQ(QuoteWindowsArgument(R"(C:\Program Files\zip\run.exe)"), R"("C:\Program Files\zip\run.exe")");
    EXPECT_EQ(QuoteWindowsArgument(R"(C:\game\save\)"), R"("C:\game\save\\")");
    EXPECT_EQ(QuoteWindowsArgument(R"(say "hi")"), R"("say \"hi\"")");
    EXPECT_EQ(QuoteWindowsArgument(R"(a\"b)"), R"("a\\\"b")");
    EXPECT_EQ(QuoteWindowsArgument(""), R"("")");

    std::mt19937 random(7);
    const std::string alphabet = "a \\\"\t";
    for (int round = 0; round < 2000; ++round) {
        std::string argument;
        for (int n = random() % 12; n > 0; --n) argument += alphabet[random() % alphabet.size()];
        EXPECT_EQ(ReadQuotedArgument(QuoteWindowsArgument(argument)), argument) << argument;
    }
}
