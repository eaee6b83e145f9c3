# Turns the template XML into a C++ source that returns it as a byte array,
# so the library carries its template with no resource system and no
# compiler limit on string literal length. Run with -DINPUT=... -DOUTPUT=...
# and, for another template, -DHEADER=... -DFUNCTION=... (namespace and name).
if(NOT HEADER)
  set(HEADER "report/waybill_template.h")
endif()
if(NOT FUNCTION)
  set(FUNCTION "korvel::report::waybillTemplateXml")
endif()
string(REGEX MATCH "^(.*)::([A-Za-z0-9_]+)$" _ "${FUNCTION}")
set(function_namespace "${CMAKE_MATCH_1}")
set(function_name "${CMAKE_MATCH_2}")
get_filename_component(input_name "${INPUT}" NAME)
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# Sixteen bytes a line (CMake's regular expressions have no {n}).
string(REPEAT "'\\\\x[0-9a-f][0-9a-f]'," 16 sixteen_bytes)
string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${input_name} by embed_template.cmake; do not edit.
#include \"${HEADER}\"

namespace ${function_namespace} {
namespace {
// One more byte than the text: a terminating NUL for callers that need one.
constexpr char kTemplate[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${function_name}() { return {kTemplate, ${byte_count}}; }

}  // namespace ${function_namespace}
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
