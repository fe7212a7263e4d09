// formatValue with any code and value into capacities 1..200.
#include <string>

#include "engine/calculation.h"
#include "fuzz_support.h"

namespace {

const char* const kCodes[] = {"f0", "f1",    "f2", "f3", "int", "pct", "date",
                              "wd", nullptr, "",   "F2", "f4",  "f"};
constexpr uint8_t kCodeCount = sizeof kCodes / sizeof kCodes[0];

int32_t decimalsOf(const char* code) {
    if (code == nullptr) return 2;
    const std::string c = code;
    if (c == "f0" || c == "int") return 0;
    if (c == "f1" || c == "pct") return 1;
    if (c == "f3") return 3;
    return 2;
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t selector = in.byte();
    std::string ownCode;
    const char* code = nullptr;
    if (selector < 240) {
        code = kCodes[selector % kCodeCount];
    } else {
        ownCode = in.narrowText(8);
        code = ownCode.c_str();
    }
    const double value = in.number();
    const int32_t capacity = in.count(200);

    GuardedText whole(128);
    formatValue(code, value, whole.data(), 128);
    const int32_t length = whole.check();
    const wchar_t* text = whole.text();
    FUZZ_CHECK(length > 0);
    const bool isDate = code != nullptr && std::string(code) == "date";
    const bool isWeeks = code != nullptr && std::string(code) == "wd";
    if (!std::isfinite(value)) {
        FUZZ_CHECK(std::wstring(text) == L"--");
    } else if (isDate) {
        // "--", or the year (at least four characters with its sign, as "%04lld" gives), month and day.
        if (std::wstring(text) != L"--") {
            int32_t i = text[0] == L'-' ? 1 : 0;
            while (isDigit(text[i]))
                ++i;
            FUZZ_CHECK(i >= 4);
            FUZZ_CHECK(length == i + 6 && text[i] == L'-' && text[i + 3] == L'-');
            FUZZ_CHECK(isDigit(text[i + 1]) && isDigit(text[i + 2]) && isDigit(text[i + 4]) &&
                       isDigit(text[i + 5]));
            const int month = (text[i + 1] - L'0') * 10 + (text[i + 2] - L'0');
            const int day = (text[i + 4] - L'0') * 10 + (text[i + 5] - L'0');
            FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= 31);
        }
    } else if (isWeeks) {
        // "--" past the int64 range, else [-]weeks+days of the whole days toward zero, days 0..6.
        if (std::wstring(text) != L"--") {
            const bool negative = text[0] == L'-';
            int32_t i = negative ? 1 : 0;
            unsigned long long weeks = 0;
            for (; isDigit(text[i]); ++i)
                weeks = weeks * 10 + static_cast<unsigned long long>(text[i] - L'0');
            FUZZ_CHECK(i > (negative ? 1 : 0) && text[i] == L'+' && text[i + 1] >= L'0' &&
                       text[i + 1] <= L'6' && length == i + 2);
            const long double whole = std::trunc(static_cast<long double>(value));
            FUZZ_CHECK(negative == (whole < 0));
            FUZZ_CHECK(static_cast<long double>(weeks) * 7 + (text[i + 1] - L'0') == std::fabs(whole));
        } else {
            FUZZ_CHECK(!(value >= -9223372036854775808.0 && value < 9223372036854775808.0));
        }
    } else {
        // Fixed point of at most 79 characters, else exponent form, reading back close to the value.
        const bool percent = code != nullptr && std::string(code) == "pct";
        std::string narrow;
        for (int32_t i = 0; i < length; ++i) {
            const wchar_t c = text[i];
            FUZZ_CHECK(isDigit(c) || c == L'-' || c == L'+' || c == L'.' || c == L'e' || c == L'%');
            narrow += static_cast<char>(c);
        }
        FUZZ_CHECK(percent == (narrow.back() == '%'));
        if (percent) narrow.pop_back();
        FUZZ_CHECK(narrow.size() <= 79);
        // Read back in long double: a rounded exponent form may lie past the largest double.
        const long double readBack = std::strtold(narrow.c_str(), nullptr);
        const long double exact = value;
        const long double step = std::pow(10.0L, -decimalsOf(code));
        if (narrow.find('e') == std::string::npos)
            FUZZ_CHECK(std::fabs(readBack - exact) <= 0.5L * step + std::fabs(exact) * 1e-15L);
        else
            FUZZ_CHECK(std::fabs(readBack - exact) <= std::fabs(exact) * 0.5L * step * 1.0001L);
        FUZZ_CHECK(std::signbit(readBack) == std::signbit(value) || readBack == 0.0);
    }

    GuardedText cut(capacity);
    formatValue(code, value, cut.data(), capacity);
    cut.check();
    checkCutOf(cut.text(), capacity, text);
    return 0;
}
