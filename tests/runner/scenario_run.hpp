#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tests/runner/backend.hpp"
#include "tests/runner/scenario_file.hpp"

namespace tarvel::scenarios {

struct Outcome {
  bool passed = true;
  int line = 0;
  std::string expected;
  std::string seen;
};

// How many arguments a command takes: the fewest and the most (-1: no upper bound). None for a
// word that is no command.
struct Arity {
  int fewest, most;
};
std::optional<Arity> arityOf(std::string_view word);

// Runs one scenario on a backend, in a program folder of its own under `workFolder`. A check
// that fails ends the scenario; a line that cannot be read throws SyntaxError.
Outcome runScenario(Backend& backend, const Scenario& scenario,
                    const std::filesystem::path& workFolder);

}  // namespace tarvel::scenarios
