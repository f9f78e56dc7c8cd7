#pragma once
// Runs a program as a user's shell would, and gives back its exit code and everything it wrote.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

struct Outcome {
    int code = -1;
    std::string out;  // standard output and standard error, in the order written
};

inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// `prefix` goes in front of the program unquoted ("cd DIR && NAME=VALUE"); the words are quoted each.
inline Outcome runProgram(const std::string& prefix, const std::string& program, const std::vector<std::string>& words) {
    std::string command = prefix.empty() ? "" : prefix + " ";
    command += shellQuote(program);
    for (const std::string& w : words)
        command += " " + shellQuote(w);
    command += " 2>&1 </dev/null";
    Outcome run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace testsupport
