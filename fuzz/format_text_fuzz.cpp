// formatText with fixed formats chosen by a byte, arguments from the data
// and any capacity. Where the C runtime's swprintf has the same meaning it
// is the reference: the text is its first capacity - 1 units.
#include <cwchar>
#include <string>

#include "engine/text.h"
#include "fuzz_support.h"

namespace {

constexpr int32_t kWholeCapacity = 8192;
constexpr size_t kRuntimeCapacity = size_t{1} << 20;
wchar_t runtimeText[kRuntimeCapacity];

// Widths and precisions above 1000 count as 1000 in the formatter, unlike the
// runtime: compared conversions stay below that (case 33 covers the cap).
int below1000(int value) {
    return value % 1000;
}

template <typename... Args>
void check(int32_t capacity, bool compare, const wchar_t* format, const wchar_t* runtimeFormat,
           Args... args) {
    GuardedText whole(kWholeCapacity);
    const int32_t length = formatText(whole.data(), kWholeCapacity, format, args...);
    FUZZ_CHECK(length == whole.check());

    if (compare && runtimeFormat != nullptr) {
        const int written = std::swprintf(runtimeText, kRuntimeCapacity, runtimeFormat, args...);
        if (written >= 0) checkCutOf(whole.text(), kWholeCapacity, runtimeText);
    }

    GuardedText cut(capacity);
    FUZZ_CHECK(formatText(cut.data(), capacity, format, args...) == cut.check());
    checkCutOf(cut.text(), capacity, whole.text());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t selector = in.byte();
    const int32_t capacity = in.count(4096);
    const int i1 = in.i32(), i2 = in.i32();
    const int n1 = below1000(i1), n2 = below1000(i2);
    const long long ll = static_cast<long long>(in.u64());
    const double d1 = in.number(), d2 = in.number();
    // Not NUL: "%c" writes it like any character, and the text would end there.
    wint_t c = static_cast<wint_t>(in.byte() < 128 ? in.byte() : in.u16());
    if (c == 0) c = L'x';
    const std::wstring ws1 = in.wideText(300);
    const std::wstring ws2 = in.wideText(300);
    // Narrow texts in ASCII, which the runtime widens the same way.
    std::string ns = in.narrowText(300);
    for (char& ch : ns)
        ch = static_cast<char>((ch & 0x7F) == 0 ? 'a' : (ch & 0x7F));
    const wchar_t* w1 = ws1.c_str();
    const wchar_t* w2 = ws2.c_str();
    const char* narrowArg = ns.c_str();

    switch (selector % 40) {
    case 0:
        check(capacity, true, L"%d|%i|%5d|%-5d|%05d|%+d|% d", L"%d|%i|%5d|%-5d|%05d|%+d|% d", i1, i1, i2, i2,
              i1, i2, i1);
        break;
    case 1:
        check(capacity, true, L"%u %x %X %#x", L"%u %x %X %#x", static_cast<unsigned>(i1),
              static_cast<unsigned>(i1), static_cast<unsigned>(i2), static_cast<unsigned>(i2));
        break;
    case 2:
        check(capacity, true, L"%lld|%ld|%zd|%zu|%llx", L"%lld|%ld|%zd|%zu|%llx", ll, static_cast<long>(ll),
              static_cast<ptrdiff_t>(ll), static_cast<size_t>(ll), static_cast<unsigned long long>(ll));
        break;
    case 3:
        check(capacity, true, L"%hd|%.3d|%-+8.4d|%08.3d", L"%hd|%.3d|%-+8.4d|%08.3d", i1, i2, i1, i2);
        break;
    case 4:
        check(capacity, true, L"%f|%.0f|%.1f|%.2f|%.3f", L"%f|%.0f|%.1f|%.2f|%.3f", d1, d1, d2, d1, d2);
        break;
    case 5:
        check(capacity, true, L"%e|%.0e|%.3E|%g|%G|%.10g", L"%e|%.0e|%.3E|%g|%G|%.10g", d1, d2, d1, d2, d1,
              d2);
        break;
    case 6:
        check(capacity, true, L"%10.4f|%-+12.3e|%#.0f|%+.2f|% 08.2f", L"%10.4f|%-+12.3e|%#.0f|%+.2f|% 08.2f",
              d1, d2, d1, d2, d1);
        break;
    case 7:
        check(capacity, true, L"%.400f", L"%.400f", d1);
        break;
    case 8:
        check(capacity, true, L"%.300e|%.17g", L"%.300e|%.17g", d1, d2);
        break;
    case 9:
        check(capacity, true, L"%ls", L"%ls", w1);
        break;
    case 10:
        check(capacity, true, L"%ls：%ls %ls\r\n", L"%ls：%ls %ls\r\n", w1, w2, w1);
        break;
    case 11:
        check(capacity, true, L"%.3ls|%10ls|%-10ls|%.0ls", L"%.3ls|%10ls|%-10ls|%.0ls", w1, w2, w1, w2);
        break;
    case 12:
        check(capacity, true, L"%s|%10s|%-4.2s", L"%s|%10s|%-4.2s", narrowArg, narrowArg, narrowArg);
        break;
    case 13:
        check(capacity, true, L"%c|%3c|%-3c", L"%lc|%3lc|%-3lc", c, c, c);
        break;
    case 14:
        check(capacity, true, L"%%|100%%|%d%%", L"%%|100%%|%d%%", i1);
        break;
    case 15:
        check(capacity, true, L"%*d|", L"%*d|", n1, i2);
        break;
    case 16:
        check(capacity, true, L"%-*d|", L"%-*d|", n1, i2);
        break;
    case 17:
        check(capacity, n1 <= 400, L"%.*f|", L"%.*f|", n1, d1);
        break;
    case 18:
        check(capacity, n2 <= 400, L"%*.*e|", L"%*.*e|", n1, n2, d1);
        break;
    case 19:
        check(capacity, true, L"%*ls|", L"%*ls|", n1, w1);
        break;
    case 20:
        check(capacity, true, L"%.*ls|", L"%.*ls|", i1, w1);
        break;
    case 21:
        check(capacity, true, L"%999d|%900.3f", L"%999d|%900.3f", i1, d1);
        break;
    case 22:
        check(capacity, true, L"%04lld-%02lld-%02lld", L"%04lld-%02lld-%02lld", ll,
              static_cast<long long>(i1), static_cast<long long>(i2));
        break;
    case 23:
        check(capacity, true, L"%02d 床：诊断＿＿；SpO2＿%%；", L"%02d 床：诊断＿＿；SpO2＿%%；", i1);
        break;
    case 24:
        check(capacity, true, L"第%d天 %02d:%02d", L"第%d天 %02d:%02d", i1, i2, i1);
        break;
    case 25:
        check(capacity, true, L"%d日%c ", L"%d日%lc ", i1, c);
        break;
    case 26:
        check(capacity, true, L"%ls=%g", L"%ls=%g", w1, d1);
        break;
    case 27:
        check(capacity, true, L"OUT|%ls|%ls|%ls\r\n", L"OUT|%ls|%ls|%ls\r\n", w1, w2, w1);
        break;
    case 28:
        check(capacity, true, L"TOOL|%d|%ls|%ls\r\n", L"TOOL|%d|%ls|%ls\r\n", i1, w1, w2);
        break;
    case 29:
        check(capacity, true, L"%04d-%02d-%02d %02d:%02d:%02d,%ls", L"%04d-%02d-%02d %02d:%02d:%02d,%ls", i1,
              i2, i1, i2, i1, i2, w1);
        break;
    // Conversions the formatter does not know are shown as written and read no argument.
    case 30:
        check(capacity, false, L"%q|%5k|%ll|%l|%h", nullptr);
        break;
    case 31:
        check(capacity, false, L"abc%", nullptr);
        break;
    case 32:
        check(capacity, false, L"%-08.3y%d", nullptr, i1);
        break;
    case 33:
        check(capacity, false, L"%1000000000d|%.1000000000d", nullptr, i1, i2);
        break;
    case 34:
        check(capacity, false, L"%.1000f|%.5000e", nullptr, d1, d2);
        break;
    case 35:
        check(capacity, true, L"%ls%ls%ls%ls", L"%ls%ls%ls%ls", w1, w2, w1, w2);
        break;
    case 36:
        check(capacity, false, L"%s", nullptr, static_cast<const char*>(nullptr));
        break;
    case 37:
        check(capacity, false, L"%ls", nullptr, static_cast<const wchar_t*>(nullptr));
        break;
    case 38: {
        // The format itself from the data, its percent signs all doubled: no argument is read.
        std::wstring format;
        for (wchar_t ch : ws1) {
            format += ch;
            if (ch == L'%') format += L'%';
        }
        check(capacity, true, format.c_str(), format.c_str());
        break;
    }
    default:
        check(capacity, true, L"%g|%G|%.0g|%#g", L"%g|%G|%.0g|%#g", d1, d2, d1, d2);
        break;
    }
    return 0;
}
