// The calculation run of every tool of the suite with hostile input values:
// NaN, infinities, extremes, subnormals, each plausible range's edges and the
// doubles just beyond them, choice values in and out of their lists.
#include <cfloat>
#include <cmath>
#include <cwchar>

#include "engine/calculation.h"
#include "fuzz_support.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSubnormal = std::numeric_limits<double>::denorm_min();
// Values no tool expects, or only at an edge; 0.5 and 99 lie off every list.
constexpr double kHostile[] = {kNaN,        kInf, -kInf, 1e308, -1e308, kSubnormal, -kSubnormal,
                               DBL_MIN / 2, 0.0,  -0.0,  -1.0,  -1e6,   0.5,        99.0};
constexpr int32_t kHostileCount = countOf(kHostile);

// The default (selector 0, so that missing bytes run the tool as it opens), the
// range's edges and the doubles either side of them, the hostile values, a
// choice of the list or a point of the range, or any bit pattern.
double hostileValue(FuzzInput& in, const InputField& input) {
    const double lo = input.plausibleMin, hi = input.plausibleMax;
    const double edges[] = {input.defaultValue,
                            lo,
                            hi,
                            std::nextafter(lo, -kInf),
                            std::nextafter(hi, kInf),
                            std::nextafter(lo, kInf),
                            std::nextafter(hi, -kInf)};
    const int32_t selector = in.byte();
    if (selector < countOf(edges)) return edges[selector];
    if (selector < countOf(edges) + kHostileCount) return kHostile[selector - countOf(edges)];
    if (selector < 192) {
        if (input.choiceCount > 0) return input.choices[selector % input.choiceCount].value;
        if (!hasPlausibleRange(input)) return static_cast<int8_t>(in.byte()); // the reports' counts
        return lo + (hi - lo) * (in.byte() / 255.0);
    }
    const uint64_t bits = in.u64();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A typed value within its range, a choice from its list.
bool allowed(const InputField& input, double value) {
    if (input.choiceCount == 0)
        return std::isfinite(value) && value >= input.plausibleMin && value <= input.plausibleMax;
    for (int32_t c = 0; c < input.choiceCount; ++c)
        if (input.choices[c].value == value) return true;
    return false;
}

bool same(const wchar_t* a, const wchar_t* b) {
    return std::wcscmp(a, b) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const ToolDef& tool = kSuiteTools[in.byte() % kSuiteToolCount].tool();
    double values[kMaxInputs] = {};
    bool allAllowed = true, anyOutside = false;
    for (int32_t i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        values[i] = hostileValue(in, input);
        allAllowed = allAllowed && allowed(input, values[i]);
        if (hasPlausibleRange(input))
            anyOutside = anyOutside || !(values[i] >= input.plausibleMin && values[i] <= input.plausibleMax);
    }

    // Kept from run to run, as fresh buffers of these sizes cost more than the run.
    static GuardedText report(kReportTextCapacity), verdict(kVerdictTextCapacity), copy(kReportTextCapacity),
        rangeVerdict(kVerdictTextCapacity);
    report.refill();
    verdict.refill();
    copy.refill();
    rangeVerdict.refill();
    int32_t level = -1;
    FUZZ_CHECK(runCalculation(tool, values, report.data(), kReportTextCapacity, verdict.data(),
                              kVerdictTextCapacity, &level, copy.data(), kReportTextCapacity) == level);
    report.check();
    verdict.check();
    copy.check();
    FUZZ_CHECK(same(copy.text(), report.text()));
    FUZZ_CHECK(level >= kLevelNormal && level <= kLevelContraindicated);
    if (tool.reportKind != report_kind::None) return 0;

    // A range verdict exactly when a typed value lies outside; otherwise a rule's text at its level.
    const bool ranged = composeRangeVerdict(tool, values, rangeVerdict.data(), kVerdictTextCapacity);
    FUZZ_CHECK(ranged == anyOutside);
    if (ranged) {
        FUZZ_CHECK(level == kLevelWarning);
        FUZZ_CHECK(same(verdict.text(), rangeVerdict.text()));
    } else {
        bool known = level == kLevelNormal && same(verdict.text(), kDefaultVerdict);
        for (int32_t r = 0; r < tool.ruleCount; ++r)
            known = known || (level == tool.rules[r].level && same(verdict.text(), tool.rules[r].text));
        if (!known) showText("verdict", verdict.text());
        FUZZ_CHECK(known);
    }

    // Values the tool's data allows compute every output.
    if (allAllowed && (std::wcsstr(report.text(), L"--") != nullptr ||
                       std::wcsstr(report.text(), kPartialFailureLine) != nullptr)) {
        std::fprintf(stderr, "tool %d:", tool.number);
        for (int32_t i = 0; i < tool.inputCount; ++i)
            std::fprintf(stderr, " %s=%.17g", tool.inputs[i].var, values[i]);
        std::fprintf(stderr, "\n");
        showText("report", report.text());
        FUZZ_CHECK(!"an output fails for allowed values");
    }
    return 0;
}
