// The command line of the self-test, and the self-test file and the
// calculation run of a tool made from the data: any names, labels, units,
// formulas, formats, rules and report kind, any capacity.
#include <deque>
#include <string>
#include <vector>

#include "app/self_test.h"
#include "engine/calculation.h"
#include "engine/local_time.h"
#include "fuzz_support.h"

namespace {

const std::string kLongName(63, 'v');
const char* const kVars[] = {"h", "w", "a", "b", "bmi", "std", "diff", "x_1", "", kLongName.c_str()};
const char* const kFormulas[] = {
    "w/(h/100)^2", "h-105", "(w-(h-105))/(h-105)*100", "a+b*2",     "bmi",         "1/0", "sqrt(-1)",
    "1e999",       "",      "h>0 ? w/h : 0",           "exp(1000)", "0*exp(1000)", "-0",  "a%b"};
const char* const kConditions[] = {"",    "bmi<18.5", "bmi<24",      "bmi<28", "a>b",
                                   "1/0", "h",        "0*exp(1000)", "foo"};
const char* const kFormats[] = {"f0", "f1", "f2", "f3", "int", "pct", "date", nullptr, "x"};

template <size_t N>
const char* pick(FuzzInput& in, const char* const (&pool)[N], std::deque<std::string>& own) {
    const uint8_t selector = in.byte();
    if (selector < 200) return pool[selector % N];
    own.push_back(in.narrowText(40));
    return own.back().c_str();
}

// Texts the tool points to, kept alive for the call (a deque never moves them).
struct ToolStore {
    std::deque<std::string> narrow;
    std::deque<std::wstring> wide;
    std::vector<InputField> inputs;
    std::vector<OutputField> outputs;
    std::vector<VerdictRule> rules;
    const wchar_t* keep(std::wstring text) {
        wide.push_back(std::move(text));
        return wide.back().c_str();
    }
    const wchar_t* maybeAbsent(FuzzInput& in) { return in.byte() < 40 ? nullptr : keep(in.wideText(20)); }
};

ToolDef makeTool(FuzzInput& in, ToolStore& store) {
    ToolDef tool{};
    tool.number = in.byte() < 200 ? in.byte() : in.i32();
    tool.name = store.keep(in.wideText(30));
    tool.description = store.maybeAbsent(in);
    tool.category = store.keep(in.wideText(20));
    tool.reference = store.keep(in.wideText(20));
    tool.caution = store.maybeAbsent(in);
    const int32_t inputCount = in.count(kMaxInputs + 1) - 1;
    for (int32_t i = 0; i < inputCount; ++i)
        store.inputs.push_back(
            {pick(in, kVars, store.narrow), store.keep(in.wideText(20)), store.maybeAbsent(in), in.number()});
    const int32_t outputCount = in.count(kMaxOutputs + 1) - 1;
    for (int32_t i = 0; i < outputCount; ++i)
        store.outputs.push_back({pick(in, kVars, store.narrow), store.keep(in.wideText(20)),
                                 store.maybeAbsent(in), pick(in, kFormulas, store.narrow),
                                 pick(in, kFormats, store.narrow)});
    const int32_t ruleCount = in.count(6) - 1;
    for (int32_t i = 0; i < ruleCount; ++i)
        store.rules.push_back({pick(in, kConditions, store.narrow),
                               in.byte() < 200 ? in.byte() % 4 : in.i32(), store.keep(in.wideText(30))});
    tool.inputCount = inputCount;
    tool.inputs = store.inputs.data();
    tool.outputCount = outputCount;
    tool.outputs = store.outputs.data();
    tool.ruleCount = ruleCount;
    tool.rules = store.rules.data();
    const uint8_t kind = in.byte();
    tool.reportKind = kind < 200 ? 0 : static_cast<int32_t>(kind % 14) - 1;
    return tool;
}

LocalTime fixedTime() {
    return LocalTime{2024, 2, 28, 9, 30, 0};
}

void checkCommandLine(FuzzInput& in) {
    const int32_t capacity = in.count(kSelfTestNameCapacity + 80);
    std::wstring line = in.wideText(700);
    if (in.byte() & 1) line.insert(line.size() / 2, L"--selftest");
    GuardedText name(capacity);
    const bool selfTest = parseSelfTestCommandLine(line.c_str(), name.data(), capacity);
    name.check();

    // The rule, written out plainly.
    const size_t found = line.find(L"--selftest");
    FUZZ_CHECK(selfTest == (found != std::wstring::npos));
    std::wstring expected;
    if (selfTest) {
        size_t p = found + 10;
        while (p < line.size() && line[p] == L' ')
            ++p;
        wchar_t end = L' ';
        if (p < line.size() && line[p] == L'"') {
            end = L'"';
            ++p;
        }
        const size_t stop = line.find(end, p);
        expected = line.substr(p, stop == std::wstring::npos ? std::wstring::npos : stop - p);
        if (expected.empty()) expected = kDefaultSelfTestName;
    }
    if (expected.size() > static_cast<size_t>(capacity - 1))
        expected.resize(static_cast<size_t>(capacity - 1));
    FUZZ_CHECK(std::wstring(name.text()) == expected);
}

void checkSelfTestFile(FuzzInput& in) {
    ToolStore store;
    const ToolDef tool = makeTool(in, store);
    const int32_t capacity = in.count(kSelfTestFileCapacity);

    GuardedText whole(kSelfTestFileCapacity);
    const int32_t errors = composeSelfTestFile(tool, whole.data(), kSelfTestFileCapacity);
    const int32_t length = whole.check();
    FUZZ_CHECK(errors >= 0 && errors <= tool.outputCount);
    if (tool.reportKind != 0) FUZZ_CHECK(errors == 0);
    FUZZ_CHECK(startsWith(whole.text(), L"TOOL|", 5));
    if (length < kSelfTestFileCapacity - 1) {
        const std::wstring tail = L"\r\nERRORS|" + std::to_wstring(errors) + L"\r\n";
        const std::wstring text = whole.text();
        FUZZ_CHECK(text.size() >= tail.size() &&
                   text.compare(text.size() - tail.size(), tail.size(), tail) == 0);
    }

    GuardedText cut(capacity);
    FUZZ_CHECK(composeSelfTestFile(tool, cut.data(), capacity) == errors);
    cut.check();
    checkCutOf(cut.text(), capacity, whole.text());

    // The run on the defaults: a level of a rule (or 0), the texts cut at their capacities.
    double values[kMaxInputs] = {};
    for (int32_t i = 0; i < tool.inputCount; ++i)
        values[i] = tool.inputs[i].defaultValue;
    GuardedText report(8192), verdict(512), copy(8192);
    int32_t level = -1;
    const int32_t returned =
        runCalculation(tool, values, report.data(), 8192, verdict.data(), 512, &level, copy.data(), 8192);
    report.check();
    FUZZ_CHECK(verdict.check() > 0 || tool.reportKind != 0);
    copy.check();
    FUZZ_CHECK(returned == level);
    if (tool.reportKind == 0) {
        bool known = level == 0;
        for (int32_t i = 0; i < tool.ruleCount; ++i)
            known = known || tool.rules[i].level == level;
        FUZZ_CHECK(known);
    }
    const int32_t reportCapacity = in.count(8192), verdictCapacity = 12 + in.count(500),
                  copyCapacity = in.count(8192);
    GuardedText smallReport(reportCapacity), smallVerdict(verdictCapacity), smallCopy(copyCapacity);
    int32_t smallLevel = -1;
    runCalculation(tool, values, smallReport.data(), reportCapacity, smallVerdict.data(), verdictCapacity,
                   &smallLevel, smallCopy.data(), copyCapacity);
    smallReport.check();
    smallVerdict.check();
    smallCopy.check();
    FUZZ_CHECK(smallLevel == level);
    checkCutOf(smallReport.text(), reportCapacity, report.text());
    checkCutOf(smallVerdict.text(), verdictCapacity, verdict.text());
    checkCutOf(smallCopy.text(), copyCapacity, smallReport.text());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    localTimeSource = fixedTime;
    if (in.byte() & 1)
        checkCommandLine(in);
    else
        checkSelfTestFile(in);
    return 0;
}
