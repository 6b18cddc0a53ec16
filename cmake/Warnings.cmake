# Project-wide warning and sanitizer flags, applied to every target.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wcast-align -Wformat=2 -Wimplicit-fallthrough
                    "$<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor;-Wold-style-cast;-Woverloaded-virtual>")
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports std::string concatenation at -O3 as overlapping memcpy
  # (GCC bug 105329), a false positive that would fail the optimised build.
  add_compile_options(-Wno-missing-field-initializers -Wno-restrict)
endif()
if(DORVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(DORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
