# Turns the template XML into a C++ source that returns it as a byte array,
# so the library carries its template with no resource system and no
# compiler limit on string literal length. Run with -DINPUT=... -DOUTPUT=...
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# Sixteen bytes a line (CMake's regular expressions have no {n}).
string(REPEAT "'\\\\x[0-9a-f][0-9a-f]'," 16 sixteen_bytes)
string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from frxReport2.xml by embed_template.cmake; do not edit.
#include \"report/waybill_template.h\"

namespace korvel::report {
namespace {
// One more byte than the text: a terminating NUL for callers that need one.
constexpr char kTemplate[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view waybillTemplateXml() { return {kTemplate, ${byte_count}}; }

}  // namespace korvel::report
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
