# velmora-cli month: February 2012 line for line; a month outside the tables
# keeps only its Gregorian festivals; a text that is no month is an error.
include(${CMAKE_CURRENT_LIST_DIR}/../cli/run_cli.cmake)

run(0 out err month 2012-2)
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "month 2012-2 printed:\n${out}\nexpected:\n${expected}")
endif()

run(0 out err month 1900-12)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 31 OR NOT out MATCHES "^1900-12-1\t0\t\t\t\t\t\t子鼠\t射手座\t\tlunar\n"
   OR NOT out MATCHES "\n1900-12-25\t0\t\t\t\t圣诞节\t\t子鼠\t摩羯座\t圣诞节\tsolar-festival\n")
  message(FATAL_ERROR "month 1900-12 printed:\n${out}")
endif()

foreach(bad 2012-13 2012-0 12-2 2012-2-1 2012/2)
  run(1 out err month ${bad})
  if(NOT out STREQUAL "" OR NOT err MATCHES "^'${bad}' 不是有效的年月")
    message(FATAL_ERROR "month ${bad}: printed '${out}' / '${err}'")
  endif()
endforeach()
run(2 out err month)
