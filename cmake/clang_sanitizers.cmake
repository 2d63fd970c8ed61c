# Clang builds that check what g++'s sanitizers cannot see, above all float-to-integer conversions
# out of range (-fsanitize=float-cast-overflow), which the 32-bit build would carry out silently.
#
#   GAUGE_UBSAN  host, modules, tools and tests with UndefinedBehaviorSanitizer
#   GAUGE_FUZZ   the same with AddressSanitizer and libFuzzer coverage, and the fuzz targets in fuzz/
#
# Clang keeps a sanitizer's runtime in the executable, which exports its symbols: the modules and the
# stand-in library take them from there, so they are linked with undefined symbols allowed.
option(GAUGE_UBSAN "clang: UndefinedBehaviorSanitizer with float-cast-overflow" OFF)
option(GAUGE_FUZZ "clang: libFuzzer targets; everything with AddressSanitizer and UBSan" OFF)
set(GAUGE_SANITIZER_RUNTIME_IN_EXECUTABLE OFF)
if(GAUGE_UBSAN OR GAUGE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GAUGE_UBSAN and GAUGE_FUZZ need clang (they check what g++ does not)")
  endif()
  set(gauge_checks undefined,float-cast-overflow)
  if(GAUGE_FUZZ)
    set(gauge_checks address,${gauge_checks})
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  add_compile_options(-fsanitize=${gauge_checks} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${gauge_checks})
  set(GAUGE_SANITIZER_RUNTIME_IN_EXECUTABLE ON)
endif()
