// The `ss` host: loads the built module as the CAD host does and runs one command.
#include "base/SSTimers.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#ifdef SS_TOOL_PATH

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

ToolRun run(const std::string& arguments, const std::string& environment = "") {
    ToolRun result;
    const std::string command = environment + " " SS_TOOL_PATH " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 1024> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe))
        result.out += buffer.data();
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        v.push_back(line);
    return v;
}

TEST(SSTool, TimersListsTheTwentyFiveInTheirOrder) {
    const ToolRun r = run("timers");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 25u) << r.out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_NE(out[i].find(std::string(" ") + kSSTimers[i].name + " "), std::string::npos) << out[i];
        EXPECT_NE(out[i].find(" 0 runs"), std::string::npos) << out[i];  // runs nothing
        EXPECT_EQ(out[i].find("not exported"), std::string::npos) << out[i];
    }
}

TEST(SSTool, TimersAsJson) {
    const ToolRun r = run("timers --json");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("[\n  {\"name\": \"gLoadFile\", \"exported\": true, \"runs\": 0", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"gCalcCellReplaceVariables\""), std::string::npos);
}

TEST(SSTool, HelpAndVersion) {
    EXPECT_NE(run("--help").out.find("timers"), std::string::npos);
    EXPECT_NE(run("timers --help").out.find("usage: ss timers"), std::string::npos);
    const ToolRun version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("ss ", 0), 0u);
}

TEST(SSTool, ExitCodesSayWhatFailed) {
    EXPECT_EQ(run("frobnicate").exitCode, 1);
    EXPECT_EQ(run("timers --bogus").exitCode, 1);
    EXPECT_EQ(run("timers", "SS_MODULE=/nonexistent/libSS.so").exitCode, 4);
}

} // namespace

#endif
