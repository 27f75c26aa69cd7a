#include "platform/childprocess.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace quorvant {

std::string QuoteWindowsArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there each is doubled, and the quote escaped.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted += '"';
}

#ifndef _WIN32
namespace {

constexpr long kOutputTail = 400;

std::string Tail(std::FILE* file) {
    std::fflush(file);
    std::fseek(file, 0, SEEK_END);
    long size = std::ftell(file);
    long from = size > kOutputTail ? size - kOutputTail : 0;
    std::fseek(file, from, SEEK_SET);
    std::string text(static_cast<std::size_t>(size - from), '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace
#endif

ChildResult RunChildAndWait(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    ChildResult result;
    std::string path = program.string();
    std::vector<char*> argv;
    argv.push_back(path.data());
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
#ifdef _WIN32
    // Windows joins the arguments into one command line; each is quoted so that blanks, quotes and
    // a folder's trailing backslash reach the archiver as they were.
    std::vector<std::string> quoted;
    for (char* a : argv)
        if (a) quoted.push_back(QuoteWindowsArgument(a));
    std::vector<const char*> qargv;
    for (const std::string& q : quoted) qargv.push_back(q.c_str());
    qargv.push_back(nullptr);
    intptr_t status = _spawnv(_P_WAIT, path.c_str(), qargv.data());
    if (status == -1) {
        result.error = std::strerror(errno);
        return result;
    }
    result.started = true;
    result.exitCode = static_cast<int>(status);
    return result;
#else
    std::FILE* output = std::tmpfile();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (output) {
        posix_spawn_file_actions_adddup2(&actions, fileno(output), 1);
        posix_spawn_file_actions_adddup2(&actions, fileno(output), 2);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        if (output) std::fclose(output);
        result.error = std::strerror(spawned);
        return result;
    }
    result.started = true;
    int status = 0;
    pid_t waited;
    do {
        waited = ::waitpid(pid, &status, 0);
    } while (waited == -1 && errno == EINTR);
    if (output) {
        result.output = Tail(output);
        std::fclose(output);
    }
    if (waited == -1) {
        result.error = std::string("could not wait for it: ") + std::strerror(errno);
    } else if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.error = "it was ended by signal " + std::to_string(WTERMSIG(status));
    }
    return result;
#endif
}

} // namespace quorvant
