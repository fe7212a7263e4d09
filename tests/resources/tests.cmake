# The program icon in both builds; in the Windows build also the icon, the
# version block and the imports of the built program; in the native build the
# font's coverage of every text.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(resources_test_dir ${CMAKE_CURRENT_LIST_DIR})
set(icon_generator ${CMAKE_SOURCE_DIR}/scripts/make_icon.py)
# -B: no byte-code caches in the source tree.
set(resources_python ${Python3_EXECUTABLE} -B)

if(TARGET medtool)
  add_test(NAME Resources.IconFile
           COMMAND ${resources_python} ${resources_test_dir}/check_icon.py ${MEDTOOL_ICON}
                   --generator ${icon_generator})
  find_program(MEDTOOL_OBJDUMP NAMES ${CMAKE_OBJDUMP} x86_64-w64-mingw32-objdump REQUIRED)
  # Every program of the suite and the launcher: icon, imports, size and own
  # version block. The launcher carries every tool's texts, about 3.5 kB a tool: 370 kB with 99 tools,
  # so it is held to 450 000 bytes.
  foreach(program IN LISTS MEDTOOL_PROGRAMS MEDTOOL_LAUNCHER)
    medtool_split("${program}" target number name)
    set(size_limit)
    if(number STREQUAL "launcher")
      set(size_limit --max-bytes=450000)
    endif()
    add_test(NAME Resources.ProgramIcon.${number}
             COMMAND ${resources_python} ${resources_test_dir}/check_icon.py ${MEDTOOL_ICON}
                     --exe $<TARGET_FILE:${target}>)
    add_test(NAME Resources.ProgramFootprint.${number}
             COMMAND ${resources_python} ${resources_test_dir}/check_footprint.py
                     --objdump ${MEDTOOL_OBJDUMP} --exe $<TARGET_FILE:${target}> "--name=${name}"
                     "--copy=$<TARGET_FILE_DIR:${target}>/${name}.exe" ${size_limit})
  endforeach()
else()
  # No program here: draw the icon for the check.
  set(native_icon ${CMAKE_CURRENT_BINARY_DIR}/resources/medtool.ico)
  add_test(NAME Resources.IconGenerator
           COMMAND ${Python3_EXECUTABLE} ${icon_generator} ${native_icon})
  set_tests_properties(Resources.IconGenerator PROPERTIES FIXTURES_SETUP ResourcesIcon)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/resources)
  add_test(NAME Resources.IconFile
           COMMAND ${resources_python} ${resources_test_dir}/check_icon.py ${native_icon}
                   --generator ${icon_generator})
  set_tests_properties(Resources.IconFile PROPERTIES FIXTURES_REQUIRED ResourcesIcon)
endif()

# Every wide text of the programs against the font their windows are drawn with.
if(NOT WIN32)
  find_file(MEDTOOL_CJK_FONT wqy-zenhei.ttc PATHS /usr/share/fonts/truetype/wqy REQUIRED NO_DEFAULT_PATH)
  add_test(NAME Resources.FontCoversEveryText
           COMMAND ${resources_python} ${resources_test_dir}/check_font.py ${MEDTOOL_CJK_FONT}
                   engine tools reports app ui launcher records
           WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
endif()
