#pragma once

#include "cli/cliargs.h"

#include <cstddef>
#include <ostream>

namespace quorvant::cli {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// A command that takes a varying number of positionals and checks them itself.
constexpr std::size_t kAnyPositionals = static_cast<std::size_t>(-1);

// Each takes the words after its command name, already checked against its options and count of
// positionals, and returns the process exit code.
int RunInfo(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunDump(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunClear(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunSet(const CommandLine& line, std::ostream& out, std::ostream& err);
// set with --where: one field of every named record an expression holds for.
int RunSetWhere(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunDemo(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunExport(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunImport(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunFind(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunCheck(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunDiff(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunBlock(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPaste(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunCopy(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunSlots(const CommandLine& line, std::ostream& out, std::ostream& err);
constexpr const char* kLbmUsage =
    "lbm import IN.png|IN.bmp OUT.lbm (--like EXISTING.lbm | --family "
    "bw1|bw2|bw3-modern|bw3-wwii --game-folder DIR) [--dither] [--transparent RRGGBB] [--yes]";
int RunLbm(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunLbm2Bmp(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPatchMake(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPatchApply(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPatchApplyAll(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunXref(const CommandLine& line, std::ostream& out, std::ostream& err);
constexpr const char* kBackupsUsage = "backups FILE [--profile DIR]";
int RunBackups(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace quorvant::cli
