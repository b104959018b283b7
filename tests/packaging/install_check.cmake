# Installs the build into PREFIX and checks the installed programs and files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed (${rc})")
endif()

set(app_id org.velmora.Velmora)
foreach(file
    bin/velmora bin/velmora-cli
    share/velmora/data/Vudazod.db share/velmora/data/KelFile.db share/velmora/data/KelBirth.db
    share/velmora/data/dream.db share/velmora/data/Tgcode.db
    share/velmora/assets/main_background.jpg share/velmora/assets/tools_page.jpg
    share/applications/${app_id}.desktop share/metainfo/${app_id}.metainfo.xml
    share/icons/hicolor/48x48/apps/${app_id}.png share/icons/hicolor/256x256/apps/${app_id}.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed CLI reads the installed databases, whatever the working folder.
set(ENV{VELMORA_DATA} "")
execute_process(COMMAND ${PREFIX}/bin/velmora-cli --version WORKING_DIRECTORY /
                OUTPUT_VARIABLE version RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT version MATCHES "share/velmora/data/")
  message(FATAL_ERROR "installed velmora-cli --version: exit ${rc}, '${version}'")
endif()

set(report bazi --surname 张 --given 三 --sex 男 --date 1980-3-5 --hour 10 --minute 30)
execute_process(COMMAND ${PREFIX}/bin/velmora-cli ${report} WORKING_DIRECTORY /
                OUTPUT_VARIABLE installed ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed velmora-cli bazi: exit ${rc}: ${err}")
endif()
execute_process(COMMAND ${BUILD_CLI} ${report} OUTPUT_VARIABLE built)
if(NOT installed STREQUAL built OR installed STREQUAL "")
  message(FATAL_ERROR "the installed bazi report differs from the build folder's")
endif()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${app_id}.desktop
                OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
# Office;Utility; draws a hint (two main categories): the menu entry is meant
# to show under both, so only errors and warnings fail.
if(NOT rc EQUAL 0 OR out MATCHES "(error|warning):")
  message(FATAL_ERROR "desktop-file-validate: exit ${rc}\n${out}")
endif()
execute_process(COMMAND appstreamcli validate --no-net ${PREFIX}/share/metainfo/${app_id}.metainfo.xml
                OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: exit ${rc}\n${out}")
endif()
