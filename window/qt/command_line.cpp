#include "window/qt/command_line.hpp"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "window/desktop/rotator_option.hpp"

namespace tarvel::qt {
namespace {

constexpr const char* kUsage =
    "Usage: tarvel [--rotator HOST[:PORT]] [--help] [--version]\n"
    "Maidenhead locator, distance and azimuth between two radio stations.\n"
    "Opens the window; the other arguments are those of Qt programs (-platform...).\n"
    "\n"
    "  --rotator HOST[:PORT]  turn the antenna through hamlib's rotctld there (port 4533 by\n"
    "                         default; else the environment variable TARVEL_ROTATOR)\n"
    "  --help                 print this help and exit\n"
    "  --version              print the version and exit\n";

// A message handler is a plain function: what it needs lives here, for the time of the check.
QtMessageHandler previousHandler = nullptr;
bool displayMissing = false;

bool mentionsDisplay(const QString& text) {
  return text.contains(QLatin1String("display"), Qt::CaseInsensitive);
}

void duringStartup(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const bool platformPlugin =
      context.category && std::string_view(context.category).starts_with("qt.qpa");
  if (type == QtFatalMsg) {
    // The plugins' warnings tell a missing display from a missing plugin; the fatal message
    // itself lists the plugins, whose names may hold the word.
    const QByteArray reason = displayMissing ? QByteArray("no display could be opened")
                                             : text.section(QLatin1Char('\n'), 0, 0).toLocal8Bit();
    std::fprintf(stderr, "tarvel: %s\n", reason.constData());
    std::fflush(stderr);
    // Inside Qt's constructor: nothing may be torn down on the way out.
    std::_Exit(1);
  }
  if (platformPlugin) {
    displayMissing = displayMissing || mentionsDisplay(text);
    return;
  }
  if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (argument == "--version") {
      std::printf("tarvel %s\n", TARVEL_VERSION);
      return 0;
    }
  }
  return std::nullopt;
}

std::variant<std::optional<rotator::Address>, int> rotatorOfCommandLine(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  auto choice = rotatorOption(arguments, std::getenv("TARVEL_ROTATOR"));
  if (auto* address = std::get_if<std::optional<rotator::Address>>(&choice)) return *address;
  std::fprintf(stderr, "tarvel: %s\n", std::get<std::string>(choice).c_str());
  return 2;
}

DisplayCheck::DisplayCheck() {
  previousHandler = qInstallMessageHandler(duringStartup);
}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(previousHandler);
}

}  // namespace tarvel::qt
