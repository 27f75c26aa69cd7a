#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

struct ChildResult {
    bool started = false;
    int exitCode = -1;  // the child's exit status; -1 when it was ended by a signal
    std::string output; // the tail of what it wrote to stdout and stderr, for error messages
    std::string error;  // why it could not be started, or how it ended when not by exiting
};

// Starts program with arguments (argv[0] is the program itself), without a shell and without
// searching PATH, and waits for it to end. Its standard input is empty and its output is kept
// apart from ours, so a caller's own output stays exactly as it writes it.
ChildResult RunChildAndWait(const std::filesystem::path& program, const std::vector<std::string>& arguments);

// One argument as a Windows program's start-up code splits its command line back into arguments:
// quoted, with inner quotes and the backslashes before them or before the closing quote escaped.
std::string QuoteWindowsArgument(const std::string& argument);

} // namespace quorvant
