#pragma once
// A set of named values, each an int, a double or a string, written to and read from a text file whole
// (the designed dialogs store their controls in one).
//
// Keys keep the order in which they were first set; setting a key again replaces its value and type in
// place. Reading a key that is missing, or that holds another type, fails and leaves the target untouched
// (an int may be read as a double, which loses nothing).
//
// File: UTF-8 text, first line "Ork_PropertiesList 1", then one line per key: key, TAB, type letter
// (i, d or s), TAB, value. Doubles are written in their shortest form that reads back to the same value
// (full precision). Keys and strings escape "\" as "\\", TAB as "\t", LF as "\n", CR as "\r" and other
// control characters and lone surrogates as "\uXXXX", so ";", blanks, tabs and line breaks survive.
// Reading accepts CRLF and a byte-order mark and refuses anything malformed with a message naming the
// line, leaving the list unchanged. Writing is atomic.
#include "nuvo/Ork_String.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

class Ork_PropertiesList {
public:
    Ork_PropertiesList() = default;
    virtual ~Ork_PropertiesList() = default;

    void set(const Ork_String& key, int value);
    void set(const Ork_String& key, double value);
    void set(const Ork_String& key, const Ork_String& value);
    void set(const Ork_String& key, const char16_t* value) { set(key, Ork_String(value)); }

    bool get(const Ork_String& key, int& value) const;
    bool get(const Ork_String& key, double& value) const;
    bool get(const Ork_String& key, Ork_String& value) const;

    bool has(const Ork_String& key) const { return indexOf(key) >= 0; }
    bool remove(const Ork_String& key);
    void clear() {
        entries_.clear();
        index_.clear();
    }
    int size() const { return static_cast<int>(entries_.size()); }
    // The keys in order.
    std::vector<Ork_String> keys() const;

    bool writeToFile(const Ork_String& path) const;
    // False when the file cannot be read or is malformed; the list is then unchanged and lastError() says why.
    bool readFromFile(const Ork_String& path);

    // The file's text, and its parser.
    std::string toText() const;
    bool fromText(std::string_view utf8);
    const Ork_String& lastError() const { return lastError_; }

private:
    using Value = std::variant<int, double, Ork_String>;
    struct Entry {
        Ork_String key;
        Value value;
    };

    int indexOf(const Ork_String& key) const;
    void put(const Ork_String& key, Value value);
    void reindex();

    std::vector<Entry> entries_;
    // Where each key is in entries_: a design of ten thousand controls has seventy thousand keys, and a
    // look-up must not walk them all.
    std::unordered_map<std::u16string, std::size_t> index_;
    Ork_String lastError_;
};
