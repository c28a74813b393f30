# Creates the seeded database beside the executable unless one is there already.
if(NOT EXISTS "${DB}")
  execute_process(COMMAND "${ADMIN}" init "${DB}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not create the seeded database ${DB}")
  endif()
endif()
