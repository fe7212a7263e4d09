# The suite: one program per tool. A tool is its data file tools/tool<number>.cpp
# and one line here, "<number>|<name>", the name being the tool's own name,
# which is also the program's file name and the name its version block records.
# Grouped by category: the launcher lists the categories in the order they first appear here.
set(MEDTOOL_SUITE
  "119|BMI 与体型判读"
  "304|NRS 2002 营养风险筛查"
  "332|基础能量消耗"
  "201|护理排班表"
  "209|交班报告模板"
  "202|给药时间表"
  "205|高警示药品"
  "206|输液配伍查询"
  "203|采血顺序"
  "204|检验危急值"
  "211|检验套餐"
  "207|随访日期"
  "208|手术安全核查"
  "348|改良 Aldrete 评分"
  "210|静脉输液卡"
  "329|输液滴速计算"
  "301|Braden 压力性损伤风险"
  "302|Morse 跌倒风险"
  "303|Barthel 指数（自理能力）"
  "307|Padua 静脉血栓风险"
  "317|Caprini 静脉血栓风险"
  "318|Norton 压疮风险"
  "347|洼田饮水试验"
  "305|GCS 昏迷评分"
  "306|MEWS 改良早期预警评分"
  "308|CURB-65 肺炎严重度"
  "313|qSOFA 脓毒症快速筛查"
  "314|SOFA 序贯器官衰竭评分"
  "319|CPOT 重症疼痛观察"
  "320|RASS 镇静评分"
  "341|NEWS2 早期预警评分"
  "342|APACHE II 评分"
  "344|CAM-ICU 谵妄评估"
  "345|BPS 行为疼痛量表"
  "343|NIHSS 卒中量表"
  "309|CHA2DS2-VASc 卒中风险"
  "310|HAS-BLED 出血风险"
  "327|QTc 校正"
  "352|GRACE 院内死亡风险"
  "362|平均动脉压与休克指数"
  "311|Child-Pugh 肝功能分级"
  "366|MELD 终末期肝病评分"
  "367|FIB-4 与 APRI 肝纤维化"
  "312|Apgar 新生儿评分"
  "346|FLACC 儿童疼痛评分"
  "349|Bishop 宫颈评分"
  "315|Wells DVT 评分"
  "316|Wells PE 评分"
  "321|eGFR（CKD-EPI 2021）"
  "322|肌酐清除率（Cockcroft-Gault）"
  "335|钠排泄分数 FENa"
  "368|儿童 eGFR（Schwartz）"
  "369|eGFR（中国改良 MDRD）"
  "323|体表面积（BSA）"
  "336|儿童按体重给药"
  "361|微量泵速度换算"
  "370|糖皮质激素等效换算"
  "371|阿片类药物等效换算"
  "324|白蛋白校正血钙"
  "325|阴离子间隙"
  "326|血浆渗透压（计算）"
  "333|高血糖校正血钠"
  "364|酸碱代偿（Winter 公式）"
  "365|LDL-C（Friedewald）"
  "328|预测体重与潮气量"
  "363|肺泡-动脉氧分压差"
  "330|烧伤补液（Parkland）"
  "331|儿童维持液（4-2-1）"
  "334|游离水缺失"
  "372|低钠补钠预测（Adrogue-Madias）"
  "350|PHQ-9 抑郁筛查"
  "351|GAD-7 焦虑筛查"
)

# Splits one "<a>|<b>|..." entry of the suite's lists into the variables named.
function(medtool_split entry)
  string(REPLACE "|" ";" fields "${entry}")
  set(i 0)
  foreach(var IN LISTS ARGN)
    list(GET fields ${i} value)
    set(${var} "${value}" PARENT_SCOPE)
    math(EXPR i "${i} + 1")
  endforeach()
endfunction()
