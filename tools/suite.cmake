# The suite: one program per tool. A tool is its data file tools/tool<number>.cpp
# and one line here, "<number>|<name>", the name being the tool's own name,
# which is also the program's file name and the name its version block records.
set(MEDTOOL_SUITE
  "119|BMI 与体型判读"
  "201|护理排班表"
  "202|给药时间表"
  "203|采血顺序"
  "204|检验危急值"
  "205|高警示药品"
  "206|输液配伍查询"
  "207|随访日期"
  "208|手术安全核查"
  "209|交班报告模板"
  "210|静脉输液卡"
  "211|检验套餐"
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
