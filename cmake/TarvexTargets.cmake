# tarvex_library(<name> [PUBLIC_HEADERS <folder>] SOURCES ... [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# One library per folder of src/. Its public headers live in include/tarvex/<folder>, where they are
# installed from and where hosts include them as <tarvex/<folder>/Header.h>; everything else of the
# library, its private headers included, stays under src/ and is reached through a private include
# path, so it never becomes part of a host's build.
function(tarvex_library name)
  cmake_parse_arguments(ARG "" "PUBLIC_HEADERS" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  set(public_headers)
  if(ARG_PUBLIC_HEADERS)
    # Listed with the sources so that AUTOMOC finds the classes declared in them.
    file(GLOB public_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/tarvex/${ARG_PUBLIC_HEADERS}/*.h)
  endif()
  add_library(${name} STATIC ${ARG_SOURCES} ${public_headers})
  add_library(Tarvex::${name} ALIAS ${name})
  target_include_directories(${name}
    PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE ${PROJECT_SOURCE_DIR}/src)
  # The public headers are C++20, so a consumer is built with it whatever its own default.
  target_compile_features(${name} PUBLIC cxx_std_20)
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_property(GLOBAL APPEND PROPERTY TARVEX_LIBRARIES ${name})
endfunction()

# Tests and benchmarks look inside the components: they reach the private headers under src/.
function(tarvex_reach_private_headers target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
endfunction()
