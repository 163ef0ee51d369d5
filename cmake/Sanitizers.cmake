# Instrumented builds, each in a build folder of its own (see the Makefile):
#   VELIMORA_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on everything built
#   VELIMORA_FUZZ      the same with clang, plus libFuzzer coverage; builds the fuzz targets
# Undefined behaviour stops the program, so that a test or a fuzz run fails on it.
option(VELIMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELIMORA_FUZZ "Build the libFuzzer targets (clang; implies the sanitizers)" OFF)

if(VELIMORA_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VELIMORA_FUZZ needs clang: configure with CXX=clang++")
endif()

if(VELIMORA_SANITIZE OR VELIMORA_FUZZ)
  set(velimora_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  add_compile_options(${velimora_sanitizers} -fno-omit-frame-pointer)
  add_link_options(${velimora_sanitizers})
endif()
if(VELIMORA_FUZZ)
  # Coverage for the fuzzer in every library; only the fuzz targets link its main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
