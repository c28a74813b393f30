# One static library per source folder under src/, chained in layer order, and the umbrella
# target orvcars_core that carries all of them. Sources are globbed so that adding a file to a
# folder needs no edit here.

add_library(orv_pch OBJECT ${CMAKE_SOURCE_DIR}/cmake/pch.cpp)
target_link_libraries(orv_pch PUBLIC ${ORV_QT_LIBS} PkgConfig::SQLCIPHER)
target_compile_definitions(orv_pch PUBLIC SQLITE_HAS_CODEC)
target_include_directories(orv_pch PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_precompile_headers(orv_pch PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch.h)

function(orv_layers)
  add_library(orvcars_core INTERFACE)
  set(previous "")
  foreach(layer IN LISTS ARGN)
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp
         ${CMAKE_SOURCE_DIR}/src/${layer}/*.h
         ${CMAKE_SOURCE_DIR}/src/${layer}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(NOT cpp)
      continue()
    endif()
    add_library(orv_${layer} STATIC ${sources})
    target_include_directories(orv_${layer} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_compile_definitions(orv_${layer} PUBLIC SQLITE_HAS_CODEC)
    target_link_libraries(orv_${layer} PUBLIC ${ORV_QT_LIBS} PkgConfig::SQLCIPHER ${previous})
    target_precompile_headers(orv_${layer} REUSE_FROM orv_pch)
    target_link_libraries(orvcars_core INTERFACE orv_${layer})
    set(previous orv_${layer})
  endforeach()
  if(TARGET orv_output)
    target_link_libraries(orv_output PUBLIC PkgConfig::XLSXWRITER PkgConfig::FREEXL PkgConfig::MINIZIP)
  endif()
endfunction()
