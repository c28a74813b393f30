# What the program finds beside its executable: report templates, help pages, sample workbooks
# and a seeded database (made once, never overwritten).
set(runtime_copies "")
foreach(pair "Qr;Qr" "help;help" "samples;.")
  list(GET pair 0 from)
  list(GET pair 1 to)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/resources/${from})
    list(APPEND runtime_copies COMMAND ${CMAKE_COMMAND} -E copy_directory
         ${CMAKE_SOURCE_DIR}/resources/${from} ${ORV_OUT}/${to})
  endif()
endforeach()

add_custom_target(orv_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_OUT}/Qr ${ORV_OUT}/help ${ORV_OUT}/data
  ${runtime_copies}
  COMMAND ${CMAKE_COMMAND} -DADMIN=$<TARGET_FILE:orvcars-admin> -DDB=${ORV_OUT}/data/OrvCARs.mdb
          -P ${CMAKE_SOURCE_DIR}/cmake/SeedDatabase.cmake
  DEPENDS orvcars-admin
  VERBATIM)
