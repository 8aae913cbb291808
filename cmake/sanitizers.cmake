# The sanitizer build (clang): AddressSanitizer with LeakSanitizer, and
# UndefinedBehaviorSanitizer stopping at the first report. Kept in its own build directory:
#   cmake -S . -B build-san -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORVANE_SANITIZE=ON
# ORVANE_FUZZ adds the coverage instrumentation libFuzzer needs and the fuzzers in fuzz/.
option(ORVANE_SANITIZE "Build everything under AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORVANE_FUZZ "Build the libFuzzer fuzzers (implies ORVANE_SANITIZE)" OFF)

if(ORVANE_FUZZ)
  set(ORVANE_SANITIZE ON)
endif()

if(ORVANE_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The sanitizer build needs clang: configure a fresh build directory "
                        "with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
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
