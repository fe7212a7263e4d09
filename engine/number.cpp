#include "engine/number.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

// The syntax is scanned here and only a short canonical text is handed to
// strtod: runtimes disagree on the sign of a failed conversion, on "nan(...)"
// and on texts with tens of thousands of digits, but not on the canonical form.

namespace {

// Decimal digits that can decide a rounding: every halfway point between two
// doubles has fewer significant digits than this.
constexpr int32_t kMaxDecimalDigits = 800;
// The same for hexadecimal digits (53 bits plus guard bits, with room).
constexpr int32_t kMaxHexDigits = 30;
// Past this exponent every kept significand is 0 or infinity.
constexpr int64_t kExponentClamp = 9999;
// Written exponents stop growing here, far from int64 overflow.
constexpr int64_t kExponentSaturation = 1000000000;

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isNanChar(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
char toLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithWord(const char* p, const char* lowerWord) {
    for (; *lowerWord != '\0'; ++p, ++lowerWord) {
        if (toLower(*p) != *lowerWord) return false;
    }
    return true;
}

// value = digits * base^scale, base 10 or 2 (four per hexadecimal digit).
struct Significand {
    char digits[kMaxDecimalDigits + 1];
    int32_t count;
    int64_t scale;
    bool dropped; // a non-zero digit beyond the kept ones
};

// Reads digits with at most one ".", at least one digit; returns p when none.
const char* readSignificand(const char* p, bool hex, Significand& sig) {
    const int32_t capacity = hex ? kMaxHexDigits : kMaxDecimalDigits;
    const int64_t step = hex ? 4 : 1;
    bool anyDigit = false;
    bool fraction = false;
    const char* q = p;
    for (;; ++q) {
        const char c = *q;
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!(hex ? isHexDigit(c) : isDigit(c))) break;
        anyDigit = true;
        if (sig.count == 0 && c == '0') {
            if (fraction) sig.scale -= step;
        } else if (sig.count < capacity) {
            sig.digits[sig.count++] = c;
            if (fraction) sig.scale -= step;
        } else {
            if (c != '0') sig.dropped = true;
            if (!fraction) sig.scale += step;
        }
    }
    return anyDigit ? q : p;
}

// Reads an exponent part ("e" or "p", sign, digits) at p; returns p when none.
const char* readExponent(const char* p, char letter, int64_t* exponent) {
    *exponent = 0;
    if (toLower(*p) != letter) return p;
    const char* q = p + 1;
    bool negative = false;
    if (*q == '+' || *q == '-') negative = *q++ == '-';
    if (!isDigit(*q)) return p;
    int64_t value = 0;
    for (; isDigit(*q); ++q) {
        if (value < kExponentSaturation) value = value * 10 + (*q - '0');
    }
    *exponent = negative ? -value : value;
    return q;
}

// Converts the canonical text of a non-zero significand with the runtime's strtod.
double convertCanonical(Significand& sig, bool hex, int64_t exponent) {
    char text[2 + kMaxDecimalDigits + 2 + 8];
    int32_t n = 0;
    if (hex) {
        text[n++] = '0';
        text[n++] = 'x';
    }
    for (int32_t i = 0; i < sig.count; ++i)
        text[n++] = sig.digits[i];
    int64_t total = exponent + sig.scale;
    if (sig.dropped) {
        // A trailing 1 keeps the value on the same side of every halfway point.
        text[n++] = '1';
        total -= hex ? 4 : 1;
    }
    if (total > kExponentClamp) total = kExponentClamp;
    if (total < -kExponentClamp) total = -kExponentClamp;
    text[n++] = hex ? 'p' : 'e';
    if (total < 0) {
        text[n++] = '-';
        total = -total;
    }
    char reversed[8];
    int32_t r = 0;
    do {
        reversed[r++] = static_cast<char>('0' + total % 10);
        total /= 10;
    } while (total > 0);
    while (r > 0)
        text[n++] = reversed[--r];
    text[n] = '\0';
    return std::strtod(text, nullptr);
}

// A decimal or hexadecimal constant at p, sign already read; returns p when none.
const char* readConstant(const char* p, double* value) {
    Significand sig;
    sig.count = 0;
    sig.scale = 0;
    sig.dropped = false;
    bool hex = false;
    const char* q = p;
    if (p[0] == '0' && toLower(p[1]) == 'x') {
        q = readSignificand(p + 2, true, sig);
        hex = q != p + 2;
    }
    if (!hex) {
        // "0x" without hexadecimal digits is the decimal "0" before an "x".
        q = readSignificand(p, false, sig);
        if (q == p) return p;
    }
    int64_t exponent = 0;
    q = readExponent(q, hex ? 'p' : 'e', &exponent);
    *value = sig.count == 0 ? 0.0 : convertCanonical(sig, hex, exponent);
    return q;
}

// A plain decimal of at most 19 significant digits forming an integer
// m <= 2^53, scaled by 10^k with |k| <= 22: m and 10^k are exact doubles, so
// one multiplication or division rounds once, to the value strtod gives.
// Formulas hold such numbers; it spares them strtod's cost. Returns p, with
// nothing read, for every other text.
const char* readShortDecimal(const char* p, double* value) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int64_t kMaxExactPower = 22;
    constexpr uint64_t kMaxExactInteger = uint64_t{1} << 53;
    constexpr int32_t kMaxDigits = 19; // below 2^64
    constexpr int64_t kMaxWrittenExponent = 100000;
    if (p[0] == '0' && toLower(p[1]) == 'x') return p;
    // Digits past the 19th wrap m around (unsigned, defined) and are declined below.
    uint64_t m = 0;
    const char* q = p;
    while (*q == '0')
        ++q;
    const char* first = q;
    for (; isDigit(*q); ++q)
        m = m * 10 + static_cast<uint64_t>(*q - '0');
    int64_t digits = q - first;
    int64_t power = 0;
    bool anyDigit = q != p;
    if (*q == '.') {
        const char* fraction = ++q;
        if (m == 0) {
            while (*q == '0')
                ++q;
        }
        first = q;
        for (; isDigit(*q); ++q)
            m = m * 10 + static_cast<uint64_t>(*q - '0');
        digits += q - first;
        power = -(q - fraction);
        anyDigit = anyDigit || q != fraction;
    }
    if (digits > kMaxDigits) return p;
    if (!anyDigit) return p;
    if (toLower(*q) == 'e') {
        const char* r = q + 1;
        bool negative = false;
        if (*r == '+' || *r == '-') negative = *r++ == '-';
        if (isDigit(*r)) {
            int64_t exponent = 0;
            for (; isDigit(*r); ++r) {
                exponent = exponent * 10 + (*r - '0');
                if (exponent > kMaxWrittenExponent) return p;
            }
            power += negative ? -exponent : exponent;
            q = r;
        }
    }
    if (m == 0) {
        *value = 0.0;
        return q;
    }
    if (m > kMaxExactInteger || power < -kMaxExactPower || power > kMaxExactPower) return p;
    const double significand = static_cast<double>(m);
    *value = power < 0 ? significand / kPowersOfTen[-power] : significand * kPowersOfTen[power];
    return q;
#else
    // Intermediate results in extended precision could round twice.
    (void)value;
    return p;
#endif
}

} // namespace

double readNumber(const char* text, const char** end) {
    if (end != nullptr) *end = text;
    if (text == nullptr) return 0.0;
    const char* p = text;
    while (isSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';

    double value = 0.0;
    const char* q = p;
    if (isDigit(*p) || *p == '.') {
        q = readShortDecimal(p, &value);
        if (q == p) q = readConstant(p, &value);
        if (q == p) return 0.0;
    } else if (startsWithWord(p, "inf")) {
        q = p + 3;
        if (startsWithWord(q, "inity")) q += 5;
        value = std::numeric_limits<double>::infinity();
    } else if (startsWithWord(p, "nan")) {
        q = p + 3;
        const char* chars = q;
        if (*chars == '(') {
            ++chars;
            while (isNanChar(*chars))
                ++chars;
            if (*chars == ')') q = chars + 1;
        }
        value = std::numeric_limits<double>::quiet_NaN();
    } else {
        return 0.0;
    }
    if (end != nullptr) *end = q;
    return negative ? -value : value;
}

double parseInputNumber(const wchar_t* text) {
    if (text == nullptr) return 0.0;
    int32_t i = 0;
    while (i < kMaxInputNumberChars && text[i] == L' ')
        ++i;
    if (i == kMaxInputNumberChars || text[i] == L'\0') return 0.0;
    // A number is ASCII: the ASCII prefix reads exactly as the wide text would.
    char narrow[kMaxInputNumberChars + 1];
    int32_t n = 0;
    for (; i < kMaxInputNumberChars && text[i] != L'\0'; ++i) {
        const uint32_t unit = static_cast<uint32_t>(text[i]);
        if (unit >= 0x80) break;
        narrow[n++] = static_cast<char>(unit);
    }
    narrow[n] = '\0';
    return readNumber(narrow, nullptr);
}
