#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant::cli {

// An option with the spellings that name it ("-o", "--out"). A flag ("--yes") takes no value.
struct OptionSpec {
    std::string key;
    std::vector<std::string> spellings;
    bool flag = false;
};

struct CommandLine {
    std::vector<std::string> positionals;
    std::map<std::string, std::string> options; // by OptionSpec::key

    std::optional<std::string> option(const std::string& key) const;
    // Whether a flag (or any option) was given.
    bool has(const std::string& key) const { return options.count(key) != 0; }
};

// Splits the words after the command into positionals and options ("--table units",
// "--table=units"); "--" ends the options. False with the reason in error for an unknown option, an
// option without its value, a flag given a value or an option given twice. A flag may be repeated.
bool ParseCommandLine(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs,
                      CommandLine& parsed, std::string& error);

} // namespace quorvant::cli
