#pragma once

// Runs one writing operation once for every fault at every file system call it makes, on a fresh
// copy of its files each time, and judges each run: the operation either finished wholly, or kept
// every original byte, left nothing behind and said why.

#include "archive_fixture.h"
#include "faulty_filesystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvant::testing {

inline void WriteText(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Every file and folder under root, by relative path, with a file's bytes.
using FileTree = std::map<std::string, std::string>;

inline FileTree SnapshotTree(const std::filesystem::path& root) {
    FileTree tree;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::string name = std::filesystem::relative(it->path(), root).generic_string();
        if (it->is_directory()) {
            tree[name + "/"] = "";
        } else {
            std::ifstream in(it->path(), std::ios::binary);
            tree[name] = {std::istreambuf_iterator<char>(in), {}};
            // An archive is judged by what it holds: its entries' times follow the clock.
            ZipEntries entries = ReadZip(it->path());
            if (!entries.empty()) {
                tree[name] = "zip:";
                for (const auto& [entry, bytes] : entries) tree[name] += entry + "=" + bytes + ";";
            }
        }
    }
    return tree;
}

// A leftover must be hidden, and its hidden file or folder named in the message.
inline bool HiddenPartNamed(const std::string& relative, const std::string& message) {
    for (const auto& part : std::filesystem::path(relative)) {
        std::string piece = part.string();
        if (!piece.empty() && piece[0] == '.') return message.find(piece) != std::string::npos;
    }
    return false;
}

struct SweptOperation {
    std::string name;
    // Writes the operation's files afresh under root (an empty folder).
    std::function<void(const std::filesystem::path& root)> setUp;
    std::function<bool(const std::filesystem::path& root, std::string& error)> run;
};

// What the runs of one fault came to: D done wholly, K kept everything and said why, L done or kept
// but a hidden file that could not be removed was left behind and named; "-" when the operation makes no call
// the fault can strike.
struct SweepOutcome {
    std::map<Fault, std::set<char>> outcomes;
    std::vector<std::string> problems;
    int calls = 0;
};

inline std::string OutcomeText(const std::set<char>& outcome) {
    if (outcome.empty()) return "-";
    std::string text;
    for (char c : {'K', 'D', 'L'})
        if (outcome.count(c)) text += text.empty() ? std::string(1, c) : std::string("/") + c;
    return text;
}

inline SweepOutcome SweepFaults(const SweptOperation& op, const std::filesystem::path& root) {
    SweepOutcome result;
    auto fresh = [&] {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        op.setUp(root);
    };
    fresh();
    std::string error;
    FaultyFileSystem counting(Fault::NoSpace, -1);
    {
        ScopedFileSystemForTesting use(counting);
        if (!op.run(root, error)) {
            result.problems.push_back(op.name + " fails without any fault: " + error);
            return result;
        }
    }
    result.calls = counting.calls();
    const FileTree done = SnapshotTree(root);
    for (Fault fault : kAllFaults) {
        result.outcomes[fault];
        for (int at = 0; at < result.calls; ++at) {
            fresh();
            FileTree before = SnapshotTree(root);
            FaultyFileSystem faulty(fault, at);
            error.clear();
            bool ok;
            {
                ScopedFileSystemForTesting use(faulty);
                ok = op.run(root, error);
            }
            if (!faulty.injected()) continue;
            FileTree after = SnapshotTree(root);
            std::string where = op.name + ", " + FaultName(fault) + " at call " + std::to_string(at) + ": ";
            if (!faulty.vanished().empty()) {
                std::string gone = std::filesystem::relative(faulty.vanished(), root).generic_string();
                before.erase(gone);
                before.erase(gone + "/");
            }
            if (ok && after == done) {
                result.outcomes[fault].insert('D');
            } else if (!ok && after == before) {
                if (error.find(FaultReason(fault)) == std::string::npos)
                    result.problems.push_back(where + "the message does not give the reason: " + error);
                result.outcomes[fault].insert('K');
            } else {
                // Done or kept, but with a hidden file the disk would not let go of: it must be named.
                auto onlyNamedLeftovers = [&](const FileTree& expected) {
                    for (const auto& [name, bytes] : expected)
                        if (!after.count(name) || after.at(name) != bytes) return false;
                    for (const auto& [name, bytes] : after)
                        if (!expected.count(name) && !HiddenPartNamed(name, error)) return false;
                    return true;
                };
                bool leftOnly =
                    !ok && !error.empty() && (onlyNamedLeftovers(done) || onlyNamedLeftovers(before));
                if (leftOnly) {
                    result.outcomes[fault].insert('L');
                } else {
                    std::string diff;
                    for (const auto& [name, bytes] : before)
                        if (!after.count(name))
                            diff += " lost " + name + ";";
                        else if (after.at(name) != bytes)
                            diff += " changed " + name + ";";
                    for (const auto& [name, bytes] : after)
                        if (!before.count(name)) diff += " new " + name + ";";
                    diff += " against done:";
                    for (const auto& [name, bytes] : done)
                        if (!after.count(name))
                            diff += " missing " + name + ";";
                        else if (after.at(name) != bytes)
                            diff += " differs " + name + ";";
                    for (const auto& [name, bytes] : after)
                        if (!done.count(name)) diff += " extra " + name + ";";
                    result.problems.push_back(where + (ok ? "reported success" : "failed: " + error) +
                                              " leaving the files neither as they were nor done:" + diff);
                }
            }
        }
    }
    return result;
}

// Sweeps each operation, fails the test on every problem, and prints the table when
// QUORVANT_FAULT_TABLE is set.
inline void ExpectEveryFaultHandled(const std::vector<SweptOperation>& ops,
                                    const std::filesystem::path& root) {
    const bool print = std::getenv("QUORVANT_FAULT_TABLE") != nullptr;
    if (print) {
        std::cout << "| operation | calls |";
        for (Fault f : kAllFaults) std::cout << ' ' << FaultName(f) << " |";
        std::cout << "\n";
    }
    for (const SweptOperation& op : ops) {
        SweepOutcome outcome = SweepFaults(op, root);
        for (const std::string& problem : outcome.problems) ADD_FAILURE() << problem;
        if (print) {
            std::cout << "| " << op.name << " | " << outcome.calls << " |";
            for (Fault f : kAllFaults) std::cout << ' ' << OutcomeText(outcome.outcomes[f]) << " |";
            std::cout << "\n";
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
}

} // namespace quorvant::testing
