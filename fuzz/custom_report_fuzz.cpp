// composeCustomReport and the calculation run's custom path with any kind,
// any input values (NaN, infinities, huge, -0.0), inputs present or missing,
// any date and report capacities 1..8192.
#include "engine/calculation.h"
#include "engine/local_time.h"
#include "fuzz_support.h"
#include "reports/custom_report.h"

namespace {

// Every var a generator reads, a wrong-case one and a duplicate.
const char* const kVars[] = {"nurses", "days", "start", "interval", "times", "kind",  "drugA", "drugB", "gap",
                             "beds",   "bed",  "dose",  "volume",   "gtt",   "panel", "Kind",  "kind"};
constexpr int32_t kVarCount = sizeof kVars / sizeof kVars[0];

LocalTime fuzzedTime;
LocalTime readFuzzedTime() {
    return fuzzedTime;
}

constexpr int32_t kReferenceCapacity = 8192;
constexpr int32_t kVerdictReference = 512;
constexpr int32_t kLongestVerdict = 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t kindSelector = in.byte();
    const int32_t kind = kindSelector < 240 ? static_cast<int32_t>(kindSelector % 14) - 1 : in.i32();

    InputField inputs[kVarCount];
    double values[kVarCount];
    int32_t inputCount = 0;
    const uint32_t present = in.u32();
    for (int32_t i = 0; i < kVarCount; ++i) {
        if ((present >> i & 1) == 0) continue;
        inputs[inputCount] = {kVars[i], L"", nullptr, 0.0};
        values[inputCount] = in.number();
        ++inputCount;
    }
    ToolDef tool = builtinTool();
    tool.inputCount = inputCount;
    tool.inputs = inputs;
    tool.reportKind = kind;

    fuzzedTime = LocalTime{static_cast<int32_t>(in.u16()) - 1000, in.count(12), in.count(31), 0, 0, 0};
    if (in.byte() == 0xFF) fuzzedTime.year = in.i32();
    localTimeSource = readFuzzedTime;

    const int32_t reportCapacity = in.count(kReferenceCapacity);
    const int32_t verdictCapacity = in.count(kVerdictReference);

    // Kept from run to run: a fresh 8192-unit buffer per run costs more than the reports.
    static GuardedText reference(kReferenceCapacity), referenceVerdict(kVerdictReference);
    reference.refill();
    referenceVerdict.refill();
    const int32_t level = composeCustomReport(kind, &tool, values, reference.data(), kReferenceCapacity,
                                              referenceVerdict.data(), kVerdictReference);
    reference.check();
    const int32_t verdictLength = referenceVerdict.check();
    FUZZ_CHECK(level >= kLevelNormal && level <= kLevelContraindicated);
    FUZZ_CHECK(verdictLength > 0 && verdictLength <= kLongestVerdict);
    if (kind < 1 || kind > 11) FUZZ_CHECK(level == kLevelNormal);

    // A smaller buffer holds the start of the same report; the verdict stays whole.
    GuardedText report(reportCapacity), verdict(verdictCapacity);
    FUZZ_CHECK(composeCustomReport(kind, &tool, values, report.data(), reportCapacity, verdict.data(),
                                   verdictCapacity) == level);
    report.check();
    verdict.check();
    checkCutOf(report.text(), reportCapacity, reference.text());
    checkCutOf(verdict.text(), verdictCapacity, referenceVerdict.text());

    // The run's custom path: the same report, verdict and level, and a copy cut at its own capacity.
    if (kind != 0 && reportCapacity >= 1) {
        const int32_t copyCapacity = in.count(kReferenceCapacity);
        const int32_t runVerdictCapacity = kLongestVerdict + in.count(kVerdictReference - kLongestVerdict);
        GuardedText runReport(reportCapacity), runVerdict(runVerdictCapacity), copy(copyCapacity);
        int32_t runLevel = -1;
        FUZZ_CHECK(runCalculation(tool, values, runReport.data(), reportCapacity, runVerdict.data(),
                                  runVerdictCapacity, &runLevel, copy.data(), copyCapacity) == level);
        FUZZ_CHECK(runLevel == level);
        runReport.check();
        runVerdict.check();
        copy.check();
        checkCutOf(runReport.text(), reportCapacity, reference.text());
        checkCutOf(runVerdict.text(), runVerdictCapacity, referenceVerdict.text());
        checkCutOf(copy.text(), copyCapacity, runReport.text());
    }
    localTimeSource = readLocalTime;
    return 0;
}
