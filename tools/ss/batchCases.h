#pragma once
// The cases file of `ss batch`: a CSV table whose first record names the columns and whose every further record
// is one case. Read whole and checked whole before the first case is evaluated, so a malformed file evaluates
// nothing; every complaint names the line of the file it is about.
#include <string>
#include <string_view>
#include <vector>

namespace sscmd {

struct BatchCases {
    struct Case {
        long long line = 0;               // where the case starts in the file
        std::vector<std::string> values;  // UTF-8, one per column, empty where the record leaves it out
    };
    std::vector<std::string> columns;     // the header's names, trimmed of blanks
    std::vector<Case> cases;              // in the file's order; records without any field are left out

    // False with "line N: why" for a text CSV refuses, a header without names, with an empty or a repeated
    // name, and a record with more fields than the header.
    bool parse(std::string_view utf8, std::string& error);
};

} // namespace sscmd
