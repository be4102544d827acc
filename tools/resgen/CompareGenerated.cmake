# Regenerates the resource files and compares them byte for byte with the committed ones.
file(MAKE_DIRECTORY ${OUT_DIR})
execute_process(COMMAND ${RESGEN} ${ART_DIR} ${OUT_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tandrel_resgen failed (${rc})")
endif()
foreach(name toolbar.bmp swatch-pressed.bmp swatch-raised.bmp tandrel.ico comparing.avi)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT_DIR}/${name} ${COMMITTED_DIR}/${name}
    RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "resources/${name} is out of date: run tandrel_resgen resources/art resources")
  endif()
endforeach()
