# velmora-cli dream against the book in BOOK: the whole tree, one
# interpretation, a search by part of a title, nothing found, bad usage.
file(STRINGS ${BOOK} lines ENCODING UTF-8)
set(tree)
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    continue()
  endif()
  string(REGEX MATCH "^[^\t]*\t[^\t]*" pair "${line}")
  list(APPEND tree "${pair}")
  if(line MATCHES "^[^\t]*\t梦见蛇\t")
    string(REGEX REPLACE "^[^\t]*\t[^\t]*\t" "" snake "${line}")
  endif()
endforeach()

function(expect name want_rc want_out want_err)
  execute_process(COMMAND ${CLI} dream ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL want_rc OR NOT out STREQUAL want_out OR NOT err STREQUAL want_err)
    message(FATAL_ERROR "${name}: exit ${rc} (want ${want_rc})\n"
                        "stdout:\n${out}\nwant:\n${want_out}\nstderr:\n${err}\nwant:\n${want_err}")
  endif()
endfunction()

string(REPLACE ";" "\n" whole "${tree}")
expect("whole tree" 0 "${whole}\n" "")
expect("a title" 0 "    ${snake}\n" "" "梦见蛇")
expect("a title with blanks around it" 0 "    ${snake}\n" "" " 梦见蛇 ")
expect("part of titles" 0 "梦见蛇\n梦见蟒蛇\n梦见白蛇\n" "" "蛇")
expect("nothing found" 1 "" "没有找到与外星人有关的梦\n" "外星人")
expect("a quote" 1 "" "没有找到与梦见'蛇有关的梦\n" "梦见'蛇")
expect("two texts" 2 "" "usage: velmora-cli dream [TEXT]\n" "梦见" "蛇")
