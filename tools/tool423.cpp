// Tool 423: a preterm infant's chronological and corrected age.
#include "engine/calendar.h"
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"bd", L"出生日期", L"年-月-日", dateValue(2025, 11, 20), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true},
    {"gw", L"出生胎龄（周）", L"周", 32.0, 0, nullptr, 20.0, 45.0},
    {"gd", L"出生胎龄（天）", L"天", 0.0, 0, nullptr, 0.0, 6.0},
    {"today", L"评估日期", L"年-月-日", dateValue(2026, 1, 15), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true, true},
};

constexpr OutputField kOutputs[] = {
    {"cad0", L"实际日龄", L"天", "today-bd", "f0"},
    {"caw", L"实际年龄", L"周", "today-bd", "wd"},
    {"cam", L"实际月龄", L"月", "(today-bd)/30.4375", "f1"},
    {"pma", L"矫正胎龄（PMA）", L"周", "gw*7+gd+today-bd", "wd"},
    {"edd", L"预产期", nullptr, "bd+280-gw*7-gd", "date"},
    {"cad", L"矫正日龄", L"天", "today-bd-280+gw*7+gd", "f0"},
    {"cw", L"矫正年龄", L"周", "today-bd-280+gw*7+gd", "wd"},
    {"cm", L"矫正月龄", L"月", "(today-bd-280+gw*7+gd)/30.4375", "f1"},
    {"stop", L"实际满2岁日期", nullptr,
     "bd+730+floor((2002+floor((4*bd-44065)/1461))/4)-floor((2002+floor((4*bd-44065)/1461))/"
     "100)+floor((2002+floor((4*bd-44065)/1461))/400)-floor((2000+floor((4*bd-44065)/1461))/"
     "4)+floor((2000+floor((4*bd-44065)/1461))/100)-floor((2000+floor((4*bd-44065)/1461))/400)",
     "date"},
};

constexpr VerdictRule kRules[] = {
    {"today<bd || gw!=floor(gw) || gd!=floor(gd)", kLevelWarning,
     L"请核对：出生日期晚于评估日期或胎龄不是整周整天"},
    {"gw>=37", kLevelNormal, L"足月出生（≥37周）：无需矫正，按实际年龄评价"},
    {"today>=stop", kLevelNormal, L"实际年龄已满2岁：是否继续矫正由儿童保健医师决定"},
    {"pma<280", kLevelNormal, L"未达预产期：按矫正胎龄（PMA）评价生长发育"},
    {"", kLevelNormal, L"实际未满2岁：生长发育按矫正年龄评价"},
};

constexpr ToolDef kTool = {
    423,
    L"早产儿矫正年龄",
    L"早产儿实际年龄、矫正胎龄与矫正年龄",
    L"新生儿",
    L"Committee on Fetus and Newborn, American "
    L"Academy of Pediatrics. Age terminology during "
    L"the perinatal period. Pediatrics 2004;114(5):1362-1364（实际年龄、"
    L"矫正胎龄＝出生胎龄＋实际年龄、矫正年龄＝实际年龄-（40周-出生胎龄））；国家卫生计生委办公厅. "
    L"早产儿保健工作规范（2017）（低危早产儿：胎龄≥34周且出生体重≥2000 g；"
    L"高危早产儿：胎龄<34周或出生体重<2000 g；出院后专案管理与随访）；谢幸，"
    L"孔北华，段涛主编.《妇产科学》第9版. 北京：人民卫生出版社，2018（早产：妊娠满28周至不足37周）"
    L"；国家卫生健康委员会. 国家免疫规划疫苗儿童免疫程序及说明（2021年版）（早产儿按出生后实际月龄接种）",
    L"出生胎龄按产科核定的“周＋天”分两栏填写整数（如32周＋3天填32与3）；矫正年龄为负表示尚未到预产期，"
    L"月龄按每月30.4375天折算；本工具以实际年龄满2岁为一般停用矫正的提示，矫正用至何时（2岁或3岁，"
    L"出生胎龄<28周或发育落后者常更久）由儿童保健医师决定；预防接种按实际年龄进行；"
    L"工具只计算年龄，不能代替生长曲线和神经发育评估。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool423() {
    return kTool;
}
