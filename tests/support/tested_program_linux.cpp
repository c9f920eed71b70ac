// The program the integration tests run: the Linux program, run directly.
#include "support/tested_program.h"

namespace testsupport {

const TestedProgram& Tested() {
  static const TestedProgram program{VAULMOOR_PROGRAM_PATH, "vaulmoor", {}, "", {}};
  return program;
}

}  // namespace testsupport
