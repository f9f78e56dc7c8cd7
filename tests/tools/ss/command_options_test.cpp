#include "commandOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// What a parse said on its error stream.
struct ErrorStream {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::tmpfile(), &std::fclose};
    std::string text() {
        std::fflush(file.get());
        std::rewind(file.get());
        std::string s;
        for (int c; (c = std::fgetc(file.get())) != EOF;)
            s += static_cast<char>(c);
        return s;
    }
};

struct Parsed {
    bool json = false;
    std::string script, first, second;
    std::optional<std::string> steps;
    std::vector<std::string> macros;
};

bool parse(const std::vector<std::string>& args, Parsed& p, ErrorStream& err) {
    sscmd::CommandOptions options("ss try", err.file.get());
    options.flag("--json", p.json);
    options.value("--script", p.script);
    options.value("--steps", p.steps);
    options.values("--macro", p.macros);
    options.positional(p.first);
    options.positional(p.second);
    return options.parse(args, "two files only") && options.notBoth("--script", "--steps");
}

TEST(CommandOptions, SwitchesValuesAndPlainArgumentsInAnyOrder) {
    ErrorStream err;
    Parsed p;
    ASSERT_TRUE(parse({"a.json", "--macro", "m1", "--script", "s.txt", "--json", "b.json", "--macro", "m2"}, p, err));
    EXPECT_EQ(p.macros, (std::vector<std::string>{"m1", "m2"}));
    EXPECT_TRUE(p.json);
    EXPECT_EQ(p.script, "s.txt");
    EXPECT_FALSE(p.steps);
    EXPECT_EQ(p.first, "a.json");
    EXPECT_EQ(p.second, "b.json");
    // A value may itself begin with a dash; an empty --steps is still given.
    Parsed q;
    EXPECT_FALSE(parse({"--script", "-odd", "--steps", ""}, q, err));
    EXPECT_EQ(err.text(), "ss try: --script and --steps cannot both be given\n");
    EXPECT_EQ(q.script, "-odd");
    EXPECT_EQ(q.steps, std::string());
}

TEST(CommandOptions, EachRefusalIsSaidOnce) {
    const struct {
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {{"--jsn"}, "ss try: unknown option '--jsn' (try ss try --help)\n"},
        {{"a", "--script"}, "ss try: --script needs a value\n"},
        {{"a", "b", "c"}, "ss try: two files only ('c')\n"},
    };
    for (const auto& c : cases) {
        ErrorStream err;
        Parsed p;
        EXPECT_FALSE(parse(c.args, p, err)) << c.said;
        EXPECT_EQ(err.text(), c.said);
    }
}

} // namespace
