#pragma once
// An ordered list of typed key/value entries: what a sheet carries in the tag of its corner cell, and what a
// settings file (.kvd) holds. Both are written as triples key, type code, value text, each piece followed by
// the separator "¤" (U+00A4; byte 0xA4 in the 8-bit settings files).
//
// Keys compare without case; an empty key is never stored. Setting an existing key replaces its value where
// it stands, a new key is appended.
#include "nuvo/Ork_String.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Ork_SimplePropsList {
public:
    // Value type codes as they appear in the text form.
    enum Type { kNone = 0, kDouble = 1, kInt = 2, kLong = 3, kString = 4 };
    static constexpr char16_t kSeparator = u'\u00A4';

    // One typed value. Only the part of its type is meaningful; the text part is empty unless the type is
    // kString.
    struct Value {
        int type = kNone;
        double doubleValue = 0;
        int intValue = 0;
        long longValue = 0;
        Ork_String text;

        static Value ofDouble(double v);
        static Value ofInt(int v);
        static Value ofLong(long v);
        static Value ofString(const Ork_String& v);
        // The value of a type code and its text as they stand in the text form; codes outside 1..4 give kNone.
        static Value parse(int type, const Ork_String& text);
        Ork_String toText() const;
    };

    Ork_SimplePropsList();
    Ork_SimplePropsList(const Ork_SimplePropsList& other);
    Ork_SimplePropsList& operator=(const Ork_SimplePropsList& other);
    virtual ~Ork_SimplePropsList();

    // Empties the list and parses the text form; false for an empty text.
    bool fromText(const Ork_String& text);
    void toText(Ork_String& text) const;
    // Empties the list and parses a settings file (8-bit, one byte one character); false for an empty path or
    // a file that cannot be read.
    bool readFile(const Ork_String& path);
    // As readFile, on the bytes of a settings file.
    void fromBytes(std::string_view bytes);

    bool has(const Ork_String& key, int& index) const;
    bool set(const Ork_String& key, const Value& value);
    bool get(const Ork_String& key, Value& value) const;

    bool setInt(const Ork_String& key, int value);
    bool setBool(const Ork_String& key, bool value);
    bool setString(const Ork_String& key, const Ork_String& value);
    // The getters clear their output and succeed only when the entry exists with the getter's type.
    bool getInt(const Ork_String& key, int& value) const;
    bool getBool(const Ork_String& key, bool& value) const;
    bool getString(const Ork_String& key, Ork_String& value) const;

    int length() const { return static_cast<int>(m_entries.size()); }
    const Ork_String& keyAt(int index) const { return m_entries[static_cast<size_t>(index)].key; }
    const Value& valueAt(int index) const { return m_entries[static_cast<size_t>(index)].value; }
    void removeAll();

private:
    struct Entry {
        Ork_String key;
        Value value;
    };
    // Splits the text at every separator into triples; what follows the last separator is an incomplete piece
    // and is dropped, as is a triple that lacks its last piece.
    void parsePieces(const Ork_String& text);

    std::vector<Entry> m_entries;
    // Upper-cased key -> position, so that a long settings file does not cost a scan per entry.
    std::unordered_map<std::u16string, size_t> m_index;
};
