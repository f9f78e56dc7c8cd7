#pragma once
// The keys and values of one registry hive in memory, and their text file (see docs/formats.md, "Registry
// files"). Parsing never trusts the file: every line is checked, a malformed one refuses the whole file with a
// message naming it, and the depth and name lengths are bounded so no input can exhaust the stack.
#include "os/Registry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace os {

struct RegValue {
    std::u16string name; // empty for the default value
    RegType type = RegType::String;
    std::u16string text;
    std::uint32_t number = 0;
    std::string bytes;
};

class RegistryHive {
public:
    // The platform's own limits: 512 levels of keys, 255 characters per key name.
    static constexpr size_t kMaxDepth = 512;
    static constexpr size_t kMaxKeyName = 255;

    struct Node {
        std::u16string name;
        std::vector<RegValue> values; // in the order they were first set
        std::vector<Node> children;   // sorted by lessNoCase

        RegValue* findValue(std::u16string_view valueName);
        Node* findChild(std::u16string_view childName);
        Node& addChild(std::u16string_view childName); // the existing child of that name, or a new one
        bool removeChild(std::u16string_view childName);
    };

    // Splits "a\b\c" into its names; false for an empty name between separators or a name or depth past the
    // limits. Leading and trailing separators are ignored.
    static bool splitKeyPath(std::u16string_view path, std::vector<std::u16string>& names);

    Node& root() { return root_; }
    const Node& root() const { return root_; }
    Node* find(const std::vector<std::u16string>& names);

    // Replaces the hive's contents with the file's; on failure the hive is unchanged and `error` names the line.
    bool parse(std::string_view text, std::string& error);
    std::string serialize(std::string_view hiveName) const;

private:
    Node root_;
};

} // namespace os
