# Precompiled headers: most of a translation unit's compile time here goes to the standard library's
# headers (and GoogleTest's in the tests), parsed again in every file. Each target with enough
# sources to repay its own precompiled header gets one; small targets (one benchmark, one fuzz
# target) are left alone, since building the header would cost more than it saves.
option(TAV_PRECOMPILE "Precompile the standard headers of the larger targets" ON)
set(TAV_PRECOMPILE_MIN_SOURCES 8)
set(TAV_PRECOMPILE_STD <algorithm> <array> <cmath> <cstddef> <cstdint> <functional> <limits> <map>
    <memory> <optional> <span> <sstream> <string> <string_view> <unordered_map> <utility> <vector>)
set(TAV_PRECOMPILE_TESTS <gtest/gtest.h>)

# Gives every target defined in DIRS (relative to the project) that has enough C++ sources its
# precompiled header; call it once the targets exist.
function(tav_precompile_targets)
  if(NOT TAV_PRECOMPILE)
    return()
  endif()
  foreach(dir IN LISTS ARGN)
    get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
        continue()
      endif()
      get_target_property(sources ${target} SOURCES)
      list(FILTER sources INCLUDE REGEX "\\.cpp$")
      list(LENGTH sources count)
      if(count LESS TAV_PRECOMPILE_MIN_SOURCES)
        continue()
      endif()
      target_precompile_headers(${target} PRIVATE ${TAV_PRECOMPILE_STD})
      get_target_property(links ${target} LINK_LIBRARIES)
      if(links MATCHES "GTest::|gtest")
        target_precompile_headers(${target} PRIVATE ${TAV_PRECOMPILE_TESTS})
      endif()
    endforeach()
  endforeach()
endfunction()
