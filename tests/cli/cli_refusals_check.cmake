# velmora-cli on input it must refuse: each case gives the exit code (1 a
# conversion error, 2 an input or usage message) and the exact standard
# error; standard output stays empty, also when the report had begun.
set(owner --surname 张 --given 三 --sex 男)
set(body --body 九万)
set(failures "")

function(expect expected_rc expected_err)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
                  RESULT_VARIABLE rc ${input})
  if(NOT rc EQUAL expected_rc OR NOT err STREQUAL "${expected_err}\n" OR NOT out STREQUAL "")
    set(failures "${failures}\nvelmora-cli ${ARGN}\n  exit ${rc} (want ${expected_rc}), "
                 "stderr '${err}' (want '${expected_err}'), ${out}" PARENT_SCOPE)
  endif()
endfunction()

# Birth dates outside the years the pillars are computed for.
expect(2 "出生年“1899”超出范围，须在1901至2099之间!" bazi ${owner} --date 1899-12-31 --hour 10)
expect(2 "出生年“2102”超出范围，须在1901至2099之间!" analyze ${owner} ${body} --date 2102-1-1 --hour 10)
expect(2 "出生年“2100”超出范围，须在1901至2099之间!" suggest ${owner} --calendar lunar --date 2100-1-1 --hour 10)
expect(2 "出生年“1899”超出范围，须在1901至2099之间!" pillars "1899-2-10 12:00" 男)
# Lunar month and day below 1; a lunar day the month lacks.
expect(2 "出生日“0”超出范围，须在1至30之间!" bazi ${owner} --calendar lunar --date 1980-1-0 --hour 10)
expect(2 "出生月“0”超出范围，须在1至12之间!" suggest ${owner} --calendar lunar --date 1980-0-1 --hour 10)
expect(1 "农历日期“2021年1月30日”不存在（农历年须在1901至2099之间）" suggest ${owner} --calendar lunar --date 2021-1-30 --hour 10)
expect(1 "农历日期“2020年1月-5日”不存在（农历年须在1901至2099之间）" solar 2020 1 -5)
expect(1 "农历日期“2020年1月-2147483648日”不存在（农历年须在1901至2099之间）" solar 2020 1 -2147483648)
# Clock values and texts that are no numbers name their field.
expect(2 "出生小时“24”超出范围，须在0至23之间!" bazi ${owner} --date 1980-1-1 --hour 24)
expect(2 "出生分钟“60”超出范围，须在0至59之间!" analyze ${owner} ${body} --date 1980-1-1 --hour 10 --minute 60)
expect(1 "出生小时“1x”不是有效的小时" bazi ${owner} --date 1980-1-1 --hour 1x)
expect(1 "出生分钟“x”不是有效的整数" analyze ${owner} ${body} --date 1980-1-1 --hour 10 --minute x)
expect(1 "出生时间“2024-2-10 24:00”不是有效的日期和时间" pillars "2024-2-10 24:00" 男)
expect(1 "农历月“一”不是有效的整数" solar 2020 一 1)
# Names of full-width blanks are blank.
expect(2 "姓不能为空!" bazi --surname "　" --given 三 --date 1980-1-1 --hour 10)
expect(2 "名不能为空!" analyze --surname 张 --given "　　" ${body} --date 1980-1-1 --hour 10)
# Strokes: characters without a count are named; broken UTF-8 is never echoed.
expect(2 "“张𠮷”中的“𠮷”没有笔画数" strokes 张三 张𠮷)
string(ASCII 255 broken)
file(WRITE ${WORK_DIR}/broken_utf8.txt "张三\n${broken}\n")
set(input INPUT_FILE ${WORK_DIR}/broken_utf8.txt)
expect(1 "第2行输入“�”不是有效的UTF-8文本" strokes -)
set(input)
# suggest --fixed: one character, within the body length.
expect(2 "velmora-cli suggest: --fixed takes POS=CHAR, one character at POS 1..4" suggest ${owner} --date 1980-1-1 --hour 10 --fixed 1=九万)
expect(2 "velmora-cli suggest: --fixed 3=九 lies beyond --length 2" suggest ${owner} --date 1980-1-1 --hour 10 --fixed 3=九)

if(failures)
  message(FATAL_ERROR "refusals that went wrong:${failures}")
endif()

# COMMAND --help prints that command's usage.
foreach(command lunar solar pillars jieqi strokes shuli analyze bazi suggest)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^usage: velmora-cli ${command} ")
    message(FATAL_ERROR "velmora-cli ${command} --help: exit ${rc}, printed '${out}'")
  endif()
endforeach()
