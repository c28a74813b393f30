# What the program finds beside its executable: report templates, help pages, sample workbooks
# and a seeded database (made once, never overwritten).
add_custom_target(orv_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_OUT}/Qr ${ORV_OUT}/help ${ORV_OUT}/data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/Qr ${ORV_OUT}/Qr
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${ORV_OUT}/help
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/samples ${ORV_OUT}
  COMMAND ${CMAKE_COMMAND} -DADMIN=$<TARGET_FILE:orvcars-admin> -DDB=${ORV_OUT}/data/OrvCARs.mdb
          -P ${CMAKE_SOURCE_DIR}/cmake/SeedDatabase.cmake
  DEPENDS orvcars-admin
  VERBATIM)
