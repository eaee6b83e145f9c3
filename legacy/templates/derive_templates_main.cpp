// korvel-derive-legacy-templates CURRENT.xml FIRST.xml SPECIFICATION.xml:
// writes the earlier revision's two templates from the current one.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/exception.h"
#include "legacy/templates/derive_templates.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: korvel-derive-legacy-templates CURRENT.xml FIRST.xml SPECIFICATION.xml\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::ostringstream current;
  current << in.rdbuf();
  try {
    std::ofstream(argv[2], std::ios::binary) << korvel::legacy::deriveFirstPageTemplate(current.str());
    std::ofstream(argv[3], std::ios::binary) << korvel::legacy::deriveSpecificationTemplate(current.str());
  } catch (const korvel::Exception& error) {
    std::fprintf(stderr, "%s\n", error.message().c_str());
    return 1;
  }
  return 0;
}
