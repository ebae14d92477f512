# Runs "lignorama PARAMS.txt hide" on a copy of the example family without a
# display: it must write the pages and exit 0.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SOURCE}/examples/family.ged ${SOURCE}/examples/family.params.txt DESTINATION ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${PROGRAM} ${WORK}/family.params.txt hide
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${output}${errors}")
endif()
foreach(page lg.htm lignorama.htm lgtekst.htm lgoutline.htm)
  if(NOT EXISTS ${WORK}/${page})
    message(FATAL_ERROR "${page} was not written\n${output}")
  endif()
endforeach()
if(NOT output MATCHES "Pages written; open .*lg.htm")
  message(FATAL_ERROR "no page named\n${output}")
endif()
# Without a parameter file there is nothing to run: an error, not success.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY ${PROGRAM} ${WORK}/missing.txt hide
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 1 OR NOT output MATCHES "Input error on missing.txt")
  message(FATAL_ERROR "missing file: status ${status}\n${output}${errors}")
endif()
