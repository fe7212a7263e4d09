// readNumber against glibc's strtod, which is correctly rounded, and the
// input-box conversion against wcstod, on arbitrary bytes.
#include <cwchar>
#include <string>

#include "engine/number.h"
#include "fuzz_support.h"

namespace {

// Bit for bit, and NaN for NaN with the same sign.
bool sameValue(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    char* strtodEnd = nullptr;
    const double expected = std::strtod(text.c_str(), &strtodEnd);
    const char* end = nullptr;
    const double value = readNumber(text.c_str(), &end);
    FUZZ_CHECK(sameValue(expected, value));
    FUZZ_CHECK(end == strtodEnd);

    // The input box: leading spaces, then at most the first 127 units, of which
    // only the ASCII prefix can belong to a number.
    std::wstring wide;
    for (size_t i = 0; i < size && data[i] != 0; ++i)
        wide += static_cast<wchar_t>(data[i] < 0xF0 ? data[i] : 0x3000);
    std::wstring prefix = wide.substr(0, kMaxInputNumberChars);
    size_t ascii = 0;
    while (ascii < prefix.size() && static_cast<uint32_t>(prefix[ascii]) < 0x80)
        ++ascii;
    prefix.resize(ascii);
    size_t spaces = 0;
    while (spaces < wide.size() && spaces < static_cast<size_t>(kMaxInputNumberChars) && wide[spaces] == L' ')
        ++spaces;
    const double fromBox = parseInputNumber(wide.c_str());
    if (spaces == static_cast<size_t>(kMaxInputNumberChars) || spaces == wide.size())
        FUZZ_CHECK(sameValue(0.0, fromBox));
    else
        FUZZ_CHECK(sameValue(std::wcstod(prefix.c_str(), nullptr), fromBox));
    return 0;
}
