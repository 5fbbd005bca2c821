// Runs a tool as people run it, through the shell: its standard output and its exit code.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessRun {
    int exitCode = -1; // -1 when the process could not start or did not exit normally
    std::string output;
};

// The argument quoted for the shell, whatever it holds.
inline std::string shellQuoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs program with the arguments; with errors the output is standard error instead of standard
// output.
inline ProcessRun runProcess(const std::string& program, const std::vector<std::string>& args, bool errors = false) {
    std::string command = shellQuoted(program);
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    command += errors ? " 2>&1 >/dev/null" : " 2>/dev/null";
    ProcessRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace testsupport
