#pragma once
// The arguments of one ss command: "--NAME VALUE" options, "--NAME" switches and the plain arguments in
// their order, each refusal said on the error stream after the command's name.
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sscmd {

class CommandOptions {
public:
    CommandOptions(std::string command, std::FILE* err) : command_(std::move(command)), err_(err) {}

    void flag(const char* name, bool& target) { options_.push_back({name, &target, nullptr, nullptr, nullptr}); }
    void value(const char* name, std::string& target) {
        options_.push_back({name, nullptr, &target, nullptr, nullptr});
    }
    void value(const char* name, std::optional<std::string>& target) {
        options_.push_back({name, nullptr, nullptr, &target, nullptr});
    }
    // An option that may be given again, each value kept in turn.
    void values(const char* name, std::vector<std::string>& target) {
        options_.push_back({name, nullptr, nullptr, nullptr, &target});
    }
    // Plain arguments fill these in turn.
    void positional(std::string& target) { positionals_.push_back(&target); }

    // False, with the reason said, for an unknown option, a missing value or a plain argument beyond the
    // positional ones (`tooMany` says what, e.g. "one macro file only").
    bool parse(const std::vector<std::string>& args, const char* tooMany);
    // False, with the reason said, when both options were given.
    bool notBoth(const char* first, const char* second);

private:
    struct Option {
        const char* name;
        bool* flag;
        std::string* text;
        std::optional<std::string>* optionalText;
        std::vector<std::string>* texts;
        bool given = false;
    };
    Option* find(const std::string& name);

    std::string command_;
    std::FILE* err_;
    std::vector<Option> options_;
    std::vector<std::string*> positionals_;
};

} // namespace sscmd
