# Installs the build into a scratch prefix and checks that the program, its desktop entry and
# its icons land in the standard places. Run as: cmake -DBUILD=... -DPREFIX=... -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/pindora share/applications/pindora.desktop share/icons/hicolor/256x256/apps/pindora.png
             share/icons/hicolor/16x16/apps/pindora.png)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/pindora.desktop" entry)
foreach(line "Exec=pindora" "Icon=pindora" "Type=Application")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
