# Warnings for our own code only, linked privately so that third-party headers stay quiet.
add_library(tessella_warnings INTERFACE)
target_compile_options(tessella_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual -Wnull-dereference
  -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(TESSELLA_WERROR)
  target_compile_options(tessella_warnings INTERFACE -Werror)
endif()
# GCC 12 reports false -Wrestrict overlaps inside std::string at -O2/-O3 (GCC bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tessella_warnings INTERFACE -Wno-restrict)
endif()
