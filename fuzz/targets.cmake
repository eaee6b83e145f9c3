# The fuzz targets and what each links, shared by the libFuzzer build
# (fuzz/CMakeLists.txt) and the corpus replay tests (tests/hardening).
set(korvel_fuzz_targets expression template connection_string sql_dialect ini_file numbers)
set(korvel_fuzz_expression_links korvel_expr)
set(korvel_fuzz_template_links korvel_engine)
set(korvel_fuzz_connection_string_links korvel_db)
set(korvel_fuzz_sql_dialect_links korvel_db)
# Only the file reader of the form, without the form and Qt Widgets.
set(korvel_fuzz_ini_file_links korvel_base)
set(korvel_fuzz_ini_file_sources ${PROJECT_SOURCE_DIR}/form/text_file.cpp)
set(korvel_fuzz_numbers_links korvel_words korvel_base)

# add_korvel_fuzz_target(<name> <executable> <extra sources...>)
function(add_korvel_fuzz_target name executable)
  add_executable(${executable} ${PROJECT_SOURCE_DIR}/fuzz/${name}_fuzz.cpp ${korvel_fuzz_${name}_sources} ${ARGN})
  target_include_directories(${executable} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${executable} PRIVATE ${korvel_fuzz_${name}_links})
  korvel_warnings(${executable})
endfunction()
