# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build when MORVANE_SANITIZE is on.
if(MORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer for the whole build when MORVANE_SANITIZE_THREAD is on (not with the above).
option(MORVANE_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
if(MORVANE_SANITIZE_THREAD)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Fuzz builds instrument everything for coverage and check memory as they go.
if(MORVANE_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
