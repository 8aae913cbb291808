# The sanitizer build (clang): AddressSanitizer with LeakSanitizer, and
# UndefinedBehaviorSanitizer stopping at the first report. Kept in its own build directory:
#   cmake -S . -B build-san -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORVANE_SANITIZE=ON
# ORVANE_FUZZ adds the coverage instrumentation libFuzzer needs and the fuzzers in fuzz/.
# ORVANE_TSAN builds everything under ThreadSanitizer instead, which cannot be combined with
# AddressSanitizer; in its own build directory too:
#   cmake -S . -B build-tsan -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORVANE_TSAN=ON
option(ORVANE_SANITIZE "Build everything under AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORVANE_FUZZ "Build the libFuzzer fuzzers (implies ORVANE_SANITIZE)" OFF)
option(ORVANE_TSAN "Build everything under ThreadSanitizer" OFF)

if(ORVANE_FUZZ)
  set(ORVANE_SANITIZE ON)
endif()
if(ORVANE_TSAN AND ORVANE_SANITIZE)
  message(FATAL_ERROR "ORVANE_TSAN cannot be combined with ORVANE_SANITIZE or ORVANE_FUZZ: "
                      "configure each in its own build directory")
endif()
if((ORVANE_SANITIZE OR ORVANE_TSAN) AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The sanitizer builds need clang: configure a fresh build directory "
                      "with -DCMAKE_CXX_COMPILER=clang++-14")
endif()

# A sanitizer's suppressions (tests/SUPPRESSIONS) and options, from cmake/NAME.cpp.in, built
# into every program, so that a test, a fuzzer or the program itself reports the same way
# however it is started. Every target declared afterwards links them; only programs use
# their definitions.
function(orvane_options_integrees nom suppressions)
  file(READ ${CMAKE_SOURCE_DIR}/tests/${suppressions} ORVANE_SUPPRESSIONS)
  set_property(DIRECTORY APPEND PROPERTY
               CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${suppressions})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/${nom}.cpp.in ${CMAKE_BINARY_DIR}/${nom}.cpp @ONLY)
  add_library(orvane_${nom} OBJECT ${CMAKE_BINARY_DIR}/${nom}.cpp)
  link_libraries(orvane_${nom})
endfunction()

if(ORVANE_SANITIZE)
  set(orvane_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
  add_compile_options(${orvane_sanitizers})
  add_link_options(${orvane_sanitizers})
  if(ORVANE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()

  orvane_options_integrees(options_sanitizers lsan.supp)
endif()

if(ORVANE_TSAN)
  set(orvane_sanitizers -fsanitize=thread -fno-omit-frame-pointer)
  add_compile_options(${orvane_sanitizers})
  add_link_options(${orvane_sanitizers})
  orvane_options_integrees(options_tsan tsan.supp)
endif()
