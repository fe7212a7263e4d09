// Tool 322: creatinine clearance by Cockcroft-Gault.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"scr", L"血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"crcl", L"肌酐清除率", L"mL/min", "(140-age)*wt/(72*scr/88.4)*(sex==2?0.85:1)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"scr<=0 || wt<=0 || age<18 || age>=140", kLevelWarning, L"仅适用于成人，请核对年龄、体重与肌酐"},
    {"crcl>=59.5", kLevelNormal, L"肌酐清除率≥60，多数药物无需调整，仍核对说明书"},
    {"crcl>=29.5", kLevelAttention, L"肌酐清除率 30–59，按说明书调整经肾排泄药物"},
    {"crcl>14.5", kLevelWarning, L"肌酐清除率 15–29，多数经肾排泄药物需减量或换药"},
    {"", kLevelWarning, L"肌酐清除率 <15，按肾衰竭剂量用药并咨询药师"},
};

constexpr ToolDef kTool = {
    322,
    L"肌酐清除率（Cockcroft-Gault）",
    L"估算肌酐清除率，用于药物剂量调整",
    L"肾功能",
    L"Cockcroft DW, Gault MH. Nephron 1976;16:31-41",
    L"结果未按体表面积标化，肌酐不稳定、肥胖、恶病质或截肢者估算不准，剂量以药品说明书为准。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool322() {
    return kTool;
}
