#pragma once

#include <filesystem>
#include <string>

#include "tests/runner/backend.hpp"
#include "tests/runner/scenario_file.hpp"

namespace tarvel::scenarios {

struct Outcome {
  bool passed = true;
  int line = 0;
  std::string expected;
  std::string seen;
};

// Runs one scenario on a backend, in a program folder of its own under `workFolder`. A check
// that fails ends the scenario; a line that cannot be read throws SyntaxError.
Outcome runScenario(Backend& backend, const Scenario& scenario,
                    const std::filesystem::path& workFolder);

}  // namespace tarvel::scenarios
