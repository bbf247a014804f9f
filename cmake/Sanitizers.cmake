# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build when MORVANE_SANITIZE is on.
if(MORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fuzz builds instrument everything for coverage and check memory as they go.
if(MORVANE_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
