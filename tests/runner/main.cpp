// tarvel-scenarios [--backend headless|qt|win32] FILE_OR_FOLDER...
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tests/runner/headless_backend.hpp"
#include "tests/runner/scenario_run.hpp"
#include "tests/support/temporary_folder.hpp"
#ifdef TARVEL_RUNNER_WITH_QT
#include "tests/runner/qt/qt_backend.hpp"
#endif
#ifdef TARVEL_RUNNER_WITH_WIN32
#include "tests/runner/win32/win32_backend.hpp"
#endif

namespace {

using namespace tarvel::scenarios;
using tarvel::test_support::TemporaryFolder;

constexpr int kAllPassed = 0;
constexpr int kSomeFailed = 1;
constexpr int kUnreadable = 2;

std::unique_ptr<Backend> makeBackend(std::string_view name, int& argc, char** argv) {
  if (name == "headless") return std::make_unique<HeadlessBackend>();
#ifdef TARVEL_RUNNER_WITH_WIN32
  if (name == "win32") return std::make_unique<Win32Backend>();
#endif
#ifdef TARVEL_RUNNER_WITH_QT
  if (name == "qt") return std::make_unique<QtBackend>(argc, argv);
#else
  (void)argc;
  (void)argv;
#endif
  return nullptr;
}

struct Tally {
  int passed = 0;
  int failed = 0;
};

void runFile(Backend& backend, const ScenarioFile& file, Tally& tally) {
  for (const Scenario& scenario : file.scenarios) {
    const TemporaryFolder work;
    const Outcome outcome = runScenario(backend, scenario, work.path());
    if (outcome.passed) {
      ++tally.passed;
      std::cout << "PASS " << scenario.name << '\n';
    } else {
      ++tally.failed;
      std::cout << "FAIL " << scenario.name << ": line " << outcome.line << ": " << outcome.expected
                << " / " << outcome.seen << '\n';
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string backendName = "headless";
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--backend" && i + 1 < argc) {
      backendName = argv[++i];
    } else {
      paths.push_back(argument);
    }
  }
  auto backend = makeBackend(backendName, argc, argv);
  if (!backend || paths.empty()) {
    std::cerr << "usage: tarvel-scenarios [--backend headless|qt|win32] FILE_OR_FOLDER...\n";
    return kUnreadable;
  }
  Tally tally;
  for (const auto& path : scenarioFiles(paths)) {
    try {
      runFile(*backend, parseFile(path), tally);
    } catch (const SyntaxError& error) {
      std::cout << path.string() << ": line " << error.line << ": " << error.what() << '\n';
      return kUnreadable;
    }
  }
  std::cout << tally.passed << " passed, " << tally.failed << " failed\n";
  return tally.failed == 0 ? kAllPassed : kSomeFailed;
}
