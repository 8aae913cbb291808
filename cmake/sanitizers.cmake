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

if(ORVANE_SANITIZE)
  set(orvane_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
  add_compile_options(${orvane_sanitizers})
  add_link_options(${orvane_sanitizers})
  if(ORVANE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()

  # The leak suppressions and the sanitizers' options are built into every program, so a
  # test, a fuzzer or the program itself reports the same way however it is started.
  file(READ ${CMAKE_SOURCE_DIR}/tests/lsan.supp ORVANE_LSAN_SUPPRESSIONS)
  set_property(DIRECTORY APPEND PROPERTY
               CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/lsan.supp)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/options_sanitizers.cpp.in
                 ${CMAKE_BINARY_DIR}/options_sanitizers.cpp @ONLY)
  add_library(orvane_options_sanitizers OBJECT ${CMAKE_BINARY_DIR}/options_sanitizers.cpp)
  # Every target declared from here on links it; only programs use its definitions.
  link_libraries(orvane_options_sanitizers)
endif()

if(ORVANE_TSAN)
  set(orvane_sanitizers -fsanitize=thread -fno-omit-frame-pointer)
  add_compile_options(${orvane_sanitizers})
  add_link_options(${orvane_sanitizers})
  # As above: the suppressions and options are built into every program.
  file(READ ${CMAKE_SOURCE_DIR}/tests/tsan.supp ORVANE_TSAN_SUPPRESSIONS)
  set_property(DIRECTORY APPEND PROPERTY
               CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tsan.supp)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/options_tsan.cpp.in
                 ${CMAKE_BINARY_DIR}/options_tsan.cpp @ONLY)
  add_library(orvane_options_tsan OBJECT ${CMAKE_BINARY_DIR}/options_tsan.cpp)
  link_libraries(orvane_options_tsan)
endif()
