# Project-wide warning and sanitizer flags, applied to every target.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                    -Wold-style-cast -Wcast-align -Woverloaded-virtual
                    -Wformat=2 -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-missing-field-initializers)
endif()
if(DORVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(DORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
