# Settings every Zorvan target shares: the language standard, warnings and sanitizers.
add_library(zorvan_settings INTERFACE)
target_compile_features(zorvan_settings INTERFACE cxx_std_20)
target_compile_options(zorvan_settings INTERFACE -Wall -Wextra -Wpedantic)
if(ZORVAN_WERROR)
  target_compile_options(zorvan_settings INTERFACE -Werror)
endif()
target_compile_definitions(zorvan_settings INTERFACE
  $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_KEYWORDS)
if(ZORVAN_SANITIZE)
  target_compile_options(zorvan_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(zorvan_settings INTERFACE -fsanitize=address,undefined)
endif()
if(ZORVAN_TSAN)
  target_compile_options(zorvan_settings INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(zorvan_settings INTERFACE -fsanitize=thread)
endif()
