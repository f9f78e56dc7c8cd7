#include "nuvo/randomString.h"

#include <memory>
#include <random>
#include <string_view>

namespace {

constexpr std::u16string_view kLettersAndDigits = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::u16string_view kWithMarks = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

nuvo::RandomSource& source() {
    static nuvo::RandomSource current;
    return current;
}

bool hostRandom(std::uint32_t& out) {
    static std::mt19937 engine{std::random_device{}()};
    out = static_cast<std::uint32_t>(engine());
    return true;
}

} // namespace

bool generateRandomString(int length, Ork_String& out, bool lettersAndDigits) {
    if (length < 0)
        return false;
    const std::u16string_view alphabet = lettersAndDigits ? kLettersAndDigits : kWithMarks;
    Ork_String made;
    for (int i = 0; i < length; ++i) {
        std::uint32_t n = 0;
        if (!(source() ? source()(n) : hostRandom(n)))
            return false;
        made += alphabet[n % alphabet.size()];
    }
    out = made;
    return true;
}

namespace nuvo {

void setRandomSource(RandomSource s) { source() = std::move(s); }

RandomSource seededRandomSource(std::uint32_t seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine](std::uint32_t& out) {
        out = static_cast<std::uint32_t>((*engine)());
        return true;
    };
}

} // namespace nuvo
