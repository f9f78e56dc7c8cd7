#include "os/RegistryHive.h"

#include <gtest/gtest.h>

using os::RegistryHive;

namespace {

std::string parseError(std::string_view text) {
    RegistryHive hive;
    std::string error;
    EXPECT_FALSE(hive.parse(text, error)) << text;
    return error;
}

} // namespace

TEST(RegistryFile, WritesOneKeyLinePerKeyThenItsValues) {
    RegistryHive hive;
    auto& key = hive.root().addChild(u"Software").addChild(u"Kelvadore");
    key.values.push_back({u"", os::RegType::String, u"C:\\kv\\x.kvd", 0, {}});
    key.values.push_back({u"Count", os::RegType::Number, {}, 4294967295u, {}});
    key.values.push_back({u"Blob", os::RegType::Binary, {}, 0, std::string("\x00\x7F\xFF", 3)});
    EXPECT_EQ(hive.serialize("HKEY_LOCAL_MACHINE"),
              "SS registry 1\n"
              "# HKEY_LOCAL_MACHINE: a [key] line per key (full path), then its values; @ is the default value.\n"
              "[Software]\n"
              "[Software\\Kelvadore]\n"
              "@=string:\"C:\\\\kv\\\\x.kvd\"\n"
              "\"Count\"=number:4294967295\n"
              "\"Blob\"=binary:00 7f ff\n");
}

TEST(RegistryFile, EveryCharacterRoundTrips) {
    RegistryHive hive;
    std::u16string all;
    for (char32_t c = 0; c < 0x10000; c += (c < 0x300 ? 1 : 97)) all += static_cast<char16_t>(c);
    all += u"\U0001F529";
    all += char16_t(0xD800); // a lone surrogate survives too
    const std::u16string keyName = u"odd % ] [ \"name\"\t\u00E9 \x01";
    auto& key = hive.root().addChild(keyName);
    key.values.push_back({all, os::RegType::String, all, 0, {}});
    hive.root().values.push_back({u"at root", os::RegType::Number, {}, 7, {}});

    const std::string text = hive.serialize("HKEY_CURRENT_USER");
    RegistryHive back;
    std::string error;
    ASSERT_TRUE(back.parse(text, error)) << error;
    ASSERT_EQ(back.root().children.size(), 1u);
    EXPECT_EQ(back.root().children[0].name, keyName);
    ASSERT_EQ(back.root().children[0].values.size(), 1u);
    EXPECT_EQ(back.root().children[0].values[0].name, all);
    EXPECT_EQ(back.root().children[0].values[0].text, all);
    EXPECT_EQ(back.root().values.at(0).number, 7u);
    EXPECT_EQ(back.serialize("HKEY_CURRENT_USER"), text);
    // One value per line: no line break of a value reaches the file.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
}

TEST(RegistryFile, ReadsHandWrittenFilesWithCommentsBlankLinesAndCrlf) {
    RegistryHive hive;
    std::string error;
    ASSERT_TRUE(hive.parse("\xEF\xBB\xBF# my settings\r\n\r\nSS registry 1\r\n"
                           "  [Software\\Kelvadore\\Spreadsheet Editor v1.0]  \r\n"
                           "\"Default Settings\"=string:\"metric.kvd\"\r\n"
                           "@=binary:\r\n",
                           error))
        << error;
    auto* key = hive.find({u"software", u"KELVADORE", u"spreadsheet editor v1.0"});
    ASSERT_TRUE(key);
    EXPECT_EQ(key->name, u"Spreadsheet Editor v1.0");
    EXPECT_EQ(key->findValue(u"default settings")->text, u"metric.kvd");
    EXPECT_EQ(key->findValue(u"")->type, os::RegType::Binary);
}

TEST(RegistryFile, MalformedFilesAreRefusedNamingTheLine) {
    EXPECT_EQ(parseError(""), "line 1: expected \"SS registry 1\"");
    EXPECT_EQ(parseError("SS registry 2\n"), "line 1: expected \"SS registry 1\"");
    EXPECT_EQ(parseError("SS registry 1\n@=number:1\n"), "line 2: value before the first [key] line");
    EXPECT_EQ(parseError("SS registry 1\n[a\n"), "line 2: key line not closed by ']'");
    EXPECT_EQ(parseError("SS registry 1\n[a\\\\b]\n"), "line 2: empty key name");
    EXPECT_EQ(parseError("SS registry 1\n[a%zz]\n"),
              "line 2: '%' in a key name needs two hexadecimal digits (or u and four)");
    EXPECT_EQ(parseError("SS registry 1\n[a%5cb]\n"), "line 2: key name containing '\\'");
    EXPECT_EQ(parseError("SS registry 1\n[" + std::string(256, 'k') + "]\n"),
              "line 2: key name longer than 255 characters");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n[A]\n"), "line 3: key listed twice");
    EXPECT_EQ(parseError("SS registry 1\n[a]\nx=string:\"\"\n"), "line 3: expected a [key] or a value line");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"string:\"\"\n"), "line 3: expected '=' after the value name");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=text:\"\"\n"), "line 3: unknown value type \"text\"");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=string:\"open\n"), "line 3: text not closed by '\"'");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=string:\"a\\q\"\n"), "line 3: unknown escape \\q");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=string:\"\\u12\"\n"), "line 3: \\u needs four hexadecimal digits");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=string:\"a\" b\n"), "line 3: text after the closing '\"'");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=number:4294967296\n"), "line 3: number must be 0 to 4294967295");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=number:-1\n"), "line 3: number must be 0 to 4294967295");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=binary:0a,0b\n"),
              "line 3: binary data must be hex pairs separated by spaces");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"x\"=number:1\n\"X\"=number:2\n"),
              "line 4: value listed twice in its key");
    EXPECT_EQ(parseError("SS registry 1\n[a]\n\"\"=number:1\n"),
              "line 3: empty value name (the default value is written @)");
}

TEST(RegistryFile, RefusedFileLeavesTheHiveAsItWas) {
    RegistryHive hive;
    hive.root().addChild(u"kept");
    std::string error;
    EXPECT_FALSE(hive.parse("SS registry 1\n[new]\n@=bad\n", error));
    EXPECT_TRUE(hive.find({u"kept"}));
    EXPECT_FALSE(hive.find({u"new"}));
}

TEST(RegistryFile, NestingIsBoundedSoNoFileExhaustsTheStack) {
    std::string deep = "SS registry 1\n[";
    for (int i = 0; i < 513; ++i) deep += i ? "\\k" : "k";
    deep += "]\n";
    EXPECT_EQ(parseError(deep), "line 2: keys nested deeper than 512 levels");
}

TEST(RegistryKeyPath, SplitsAtBackslashesWithinTheLimits) {
    std::vector<std::u16string> names;
    EXPECT_TRUE(RegistryHive::splitKeyPath(u"\\Software\\Kelvadore\\", names));
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Software", u"Kelvadore"}));
    EXPECT_TRUE(RegistryHive::splitKeyPath(u"text/plain", names)); // "/" is part of a key name
    EXPECT_EQ(names.size(), 1u);
    EXPECT_TRUE(RegistryHive::splitKeyPath(u"", names));
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(RegistryHive::splitKeyPath(u"a\\\\b", names));
    EXPECT_FALSE(RegistryHive::splitKeyPath(std::u16string(256, u'k'), names));
}
