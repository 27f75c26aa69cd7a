#include "cli/cliargs.h"

#include <algorithm>

namespace quorvant::cli {
namespace {

const OptionSpec* FindSpec(const std::vector<OptionSpec>& specs, std::string_view spelling) {
    for (const OptionSpec& spec : specs)
        if (std::find(spec.spellings.begin(), spec.spellings.end(), spelling) != spec.spellings.end())
            return &spec;
    return nullptr;
}

} // namespace

std::optional<std::string> CommandLine::option(const std::string& key) const {
    auto it = options.find(key);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

bool ParseCommandLine(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs,
                      CommandLine& parsed, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.positionals.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string spelling = word;
        std::optional<std::string> value;
        if (auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
            spelling = word.substr(0, eq);
            value = word.substr(eq + 1);
        }
        const OptionSpec* spec = FindSpec(specs, spelling);
        if (!spec) {
            error = "unknown option " + spelling;
            return false;
        }
        if (spec->flag) {
            if (value) {
                error = "option " + spelling + " takes no value";
                return false;
            }
            parsed.options[spec->key] = std::string();
            continue;
        }
        if (!value) {
            if (i + 1 >= words.size()) {
                error = "option " + spelling + " needs a value";
                return false;
            }
            value = words[++i];
        }
        if (!parsed.options.emplace(spec->key, *value).second) {
            error = "option " + spelling + " given twice";
            return false;
        }
    }
    return true;
}

} // namespace quorvant::cli
