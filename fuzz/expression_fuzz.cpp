// evaluateExpression on arbitrary bytes, with the tool of the build and with
// a tool of many and long names.
#include <string>

#include "engine/expression.h"
#include "fuzz_support.h"

namespace {

const std::string kLongName(63, 'n');
const InputField kInputs[] = {
    {"h", L"", nullptr, 0},     {"w", L"", nullptr, 0},   {kLongName.c_str(), L"", nullptr, 0},
    {"sqrt", L"", nullptr, 0},  {"dup", L"", nullptr, 0}, {"dup", L"", nullptr, 0},
    {nullptr, L"", nullptr, 0}, {"_9", L"", nullptr, 0},
};
const OutputField kOutputs[] = {
    {"bmi", L"", nullptr, "", nullptr},
    {"dup", L"", nullptr, "", nullptr},
    {nullptr, L"", nullptr, "", nullptr},
    {"min", L"", nullptr, "", nullptr},
};
const ToolDef kNamesTool = {1, L"", nullptr, L"", L"", nullptr, 8, kInputs, 4, kOutputs, 0, nullptr, 0};

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t setup = in.byte();
    const ToolDef& tool = (setup & 1) ? kNamesTool : builtinTool();
    double inputs[8] = {170, 65, 1, 2, 3, 4, 5, 6};
    double outputs[4] = {22.49134948096886, 65, 0, 7};
    if (setup & 2) {
        for (double& v : inputs)
            v = in.number();
        for (double& v : outputs)
            v = in.number();
    }
    const std::string text(reinterpret_cast<const char*>(data) + in.at, size - in.at);

    int32_t failed = -1;
    const double value = evaluateExpression(tool, text.c_str(), inputs, outputs, &failed);
    FUZZ_CHECK(failed == 0 || failed == 1);
    if (failed == 0) FUZZ_CHECK(std::isfinite(value));
    if (text.c_str()[0] == '\0') FUZZ_CHECK(failed == 1 && value == 0.0 && !std::signbit(value));

    // Nothing is kept between calls, and blanks around the text change nothing.
    int32_t again = -1;
    FUZZ_CHECK(sameBits(value, evaluateExpression(tool, text.c_str(), inputs, outputs, &again)) ||
               (std::isnan(value) && failed == 1));
    FUZZ_CHECK(again == failed);
    if (text.size() < 4000 && text.c_str()[0] != '\0') {
        const std::string padded = " \t" + std::string(text.c_str()) + "\r\n ";
        int32_t paddedFailed = -1;
        const double paddedValue = evaluateExpression(tool, padded.c_str(), inputs, outputs, &paddedFailed);
        FUZZ_CHECK(paddedFailed == failed);
        FUZZ_CHECK(sameBits(paddedValue, value) || (std::isnan(value) && std::isnan(paddedValue)));
    }
    evaluateExpression(tool, text.c_str(), inputs, outputs, nullptr);
    return 0;
}
