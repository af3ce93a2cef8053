#include "tests/runner/scenario_run.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "tests/runner/key_text.hpp"
#include "tests/runner/scripted_rotator.hpp"
#include "window/model/code_page.hpp"
#include "window/model/control_visit.hpp"

namespace tarvel::scenarios {
namespace {

struct CheckFailed {
  int line;
  std::string expected;
  std::string seen;
};

std::optional<double> parseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The first number written in a text, such as the 664 of "Distance: 664 Km".
std::optional<double> firstNumber(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool sign = text[i] == '-' && i + 1 < text.size() &&
                      std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    double value = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), value);
    return value;
  }
  return std::nullopt;
}

std::string quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

// The scenario files' words for the icons, in the order of the enumeration.
std::string iconName(MessageIcon icon) {
  constexpr std::array<std::string_view, 3> kNames{"none", "error", "exclamation"};
  return std::string(kNames[static_cast<std::size_t>(icon)]);
}

std::string readBytes(const std::filesystem::path& file) {
  std::ifstream input(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << input.rdbuf();
  return bytes.str();
}

std::string number(double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << value;
  return text.str();
}

class Run {
 public:
  Run(Backend& backend, const Scenario& scenario, const std::filesystem::path& folder)
      : backend_(backend), scenario_(scenario), folder_(folder / "program") {
    std::filesystem::create_directories(folder_);
    userFolder_ = folder / "user";
  }

  Outcome run() {
    try {
      for (const Command& command : scenario_.commands) {
        execute(command);
        rethrowNestedFailure();
        checkShown(command);
      }
      finish();
    } catch (const CheckFailed& failure) {
      return {false, failure.line, failure.expected, failure.seen};
    }
    return {};
  }

 private:
  using Handler = void (Run::*)(const Command&);

  // When a command may run: before the window exists, only while it is open, or also after it
  // closed (the save failure's message appears during the unload).
  enum class Phase { Setup, Open, OpenOrClosed };

  struct Rule {
    std::string_view word;
    Arity arity;
    Phase phase;
    Handler handler;
  };

 public:
  static const std::array<Rule, 35> kCommands;

  static const Rule* ruleOf(std::string_view word) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [word](const Rule& rule) { return rule.word == word; });
    return found == kCommands.end() ? nullptr : &*found;
  }

 private:
  void execute(const Command& command) {
    const Rule* rule = ruleOf(command.word);
    if (!rule) throw SyntaxError(command.line, "unknown command");
    if (rule->phase != Phase::Setup && !window_) fail(command, "a loaded window", "none");
    if (rule->phase == Phase::Open && unloaded_)
      fail(command, "no action after unload", command.word);
    (this->*rule->handler)(command);
  }

  // A backend on real controls answers whether they show what the model holds.
  void checkShown(const Command& command) {
    if (!window_ || unloaded_) return;
    const std::string difference = backend_.shownDifference();
    if (!difference.empty()) fail(command, "the controls showing the model", difference);
  }

  [[noreturn]] void fail(const Command& command, std::string expected, std::string seen) {
    throw CheckFailed{command.line, std::move(expected), std::move(seen)};
  }

  const std::string& text(const Command& command, std::size_t index) const {
    return command.arguments.at(index).text;
  }

  Control& control(const Command& command, std::string_view name) {
    Control* found = backend_.window().find(name);
    if (!found) throw SyntaxError(command.line, "no control named " + std::string(name));
    return *found;
  }
  template <typename T>
  T& controlOf(const Command& command, std::string_view name) {
    T* found = visit(control(command, name), Overloaded{[](T& kind) { return &kind; },
                                                        [](auto&) -> T* { return nullptr; }});
    if (!found) throw SyntaxError(command.line, std::string(name) + " is not of the right kind");
    return *found;
  }

  // Lifecycle.
  void file(const Command& command) {
    std::ofstream(folder_ / text(command, 0), std::ios::binary) << cp1252::encode(text(command, 1));
  }
  void noFile(const Command& command) {
    const auto path = folder_ / text(command, 0);
    if (!loaded_) {
      std::filesystem::remove(path);
    } else if (std::filesystem::exists(path)) {
      fail(command, "no file " + text(command, 0), quote(readBytes(path)));
    }
  }
  // A file that is there but cannot be read, as when another program holds it without sharing.
  void unreadable(const Command& command) {
    file(command);
    unreadable_.push_back(folder_ / text(command, 0));
  }
  void time(const Command& command) { time_ = timeOf(command); }
  void date(const Command& command) {
    const std::string& value = text(command, 0);
    int year = 0, month = 0, day = 0;
    if (std::sscanf(value.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3)
      throw SyntaxError(command.line, "a date is YYYY-MM-DD");
    date_ = {year, month, day};
  }
  void load(const Command&) {
    backend_.create({folder_, userFolder_}, date_);
    backend_.setTime(time_);
    for (const auto& file : unreadable_)
      backend_.makeUnreadable(file);
    window_ = &backend_.window();
    if (withRotator_) window_->attachRotator(rotator_, {"127.0.0.1", rotator::kDefaultPort});
    loaded_ = true;
    backend_.onEventLoopPass([this] { afterEventLoopPass(); });
    backend_.load();
  }
  void unload(const Command&) {
    backend_.unload();
    unloaded_ = true;
  }

  // Actions.
  void type(const Command& command) {
    backend_.type(control(command, text(command, 0)), keysOf(text(command, 1), command.line));
  }
  void paste(const Command& command) {
    backend_.paste(controlOf<TextField>(command, text(command, 0)), text(command, 1));
  }
  void set(const Command& command) {
    const std::string& value = text(command, 1);
    visit(control(command, text(command, 0)),
          Overloaded{
              [&](TextField& field) { field.setText(value); },
              [&](ComboBox& box) { box.setText(value); },
              [&](auto&) {
                throw SyntaxError(command.line, "only a field or a combo box has a text to set");
              },
          });
  }
  void focus(const Command& command) { backend_.focus(control(command, text(command, 0))); }
  void pick(const Command& command) {
    auto& box = controlOf<ComboBox>(command, text(command, 0));
    if (!backend_.pick(box, text(command, 1)))
      fail(command, "item " + quote(text(command, 1)) + " in the list", "absent");
  }
  void click(const Command& command) {
    if (!backend_.click(control(command, text(command, 0))))
      fail(command, "a clickable " + text(command, 0), "disabled, hidden or not clickable");
  }
  TimeOfDay timeOf(const Command& command) const {
    TimeOfDay time;
    if (std::sscanf(text(command, 0).c_str(), "%2d:%2d:%2d", &time.hour, &time.minute,
                    &time.second) != 3)
      throw SyntaxError(command.line, "a time is HH:MM:SS");
    return time;
  }
  void clock(const Command& command) { backend_.tick(timeOf(command)); }
  void duringSweep(const Command& command) {
    const auto step = parseNumber(text(command, 0));
    if (!step || *step < 1) throw SyntaxError(command.line, "a step counts from 1");
    Command nested{
        command.line, text(command, 1), {command.arguments.begin() + 2, command.arguments.end()}};
    armed_.push_back(Armed{static_cast<long>(*step), 0, std::move(nested)});
  }

  // The pass of the event loop inside a sweep: where the armed commands run, nested, each at its
  // step, in the order they were armed.
  void afterEventLoopPass() {
    std::vector<Command> due;
    for (Armed& armed : armed_) {
      if (++armed.passes == armed.step) due.push_back(std::move(armed.command));
    }
    std::erase_if(armed_, [](const Armed& armed) { return armed.passes >= armed.step; });
    for (const Command& nested : due) {
      try {
        execute(nested);
      } catch (const CheckFailed& failure) {
        if (!nestedFailure_) nestedFailure_ = failure;
      }
    }
  }
  void rethrowNestedFailure() {
    if (nestedFailure_) throw *nestedFailure_;
  }

  // The scripted rotator: the network's side of the exchange.
  void withRotator(const Command&) { withRotator_ = true; }
  void rotatorConnect(const Command& command) {
    if (!rotator_.opened()) fail(command, "a connection being opened", "none");
    window_->rotatorConnected();
  }
  void rotatorReply(const Command& command) {
    if (!rotator_.opened()) fail(command, "an open connection", "none");
    window_->rotatorReceived(text(command, 0));
  }
  void rotatorRefuse(const Command& command) {
    if (!rotator_.opened()) fail(command, "a connection being opened", "none");
    window_->rotatorFailed({.kind = rotator::FaultKind::Unreachable});
  }
  void rotatorClose(const Command& command) {
    if (!rotator_.opened()) fail(command, "an open connection", "none");
    window_->rotatorClosed();
  }
  void rotatorWait(const Command& command) {
    const auto seconds = parseNumber(text(command, 0));
    if (!seconds || *seconds < 0) throw SyntaxError(command.line, "a wait is seconds");
    const auto by = std::chrono::duration_cast<rotator::Transport::Clock::duration>(
        std::chrono::duration<double>(*seconds));
    if (rotator_.advance(by)) window_->rotatorWake();
  }
  void rotatorSent(const Command& command) {
    if (checkedSent_ >= rotator_.sent.size()) fail(command, quote(text(command, 0)), "nothing");
    const std::string& seen = rotator_.sent[checkedSent_++];
    if (seen != text(command, 0)) fail(command, quote(text(command, 0)), quote(seen));
  }
  void rotatorQuiet(const Command& command) {
    if (checkedSent_ < rotator_.sent.size())
      fail(command, "nothing more sent", quote(rotator_.sent[checkedSent_]));
  }
  void expectAntenna(const Command& command) {
    const std::string seen = window_->antennaReading();
    const bool drawn = window_->antennaNeedle().has_value();
    if (seen != text(command, 0)) fail(command, quote(text(command, 0)), quote(seen));
    if (drawn != (seen.find("°") != std::string::npos))
      fail(command, "the antenna's needle drawn with a heading only", drawn ? "drawn" : "none");
  }
  // Checks.
  void expect(const Command& command) {
    const std::string& target = text(command, 0);
    if (command.arguments.size() == 5) return expectLine(command);
    if (const auto dot = target.find('.'); dot != std::string::npos)
      return expectProperty(command, control(command, target.substr(0, dot)),
                            target.substr(dot + 1));
    const std::string seen = shownText(command, control(command, target));
    if (seen != text(command, 1)) fail(command, quote(text(command, 1)), quote(seen));
  }

  std::string shownText(const Command& command, Control& target) {
    return visit(target, Overloaded{
                             [](TextField& field) { return field.text(); },
                             [](ComboBox& box) { return box.text(); },
                             [](Label& label) { return label.caption(); },
                             [](PushButton& button) { return std::string(button.caption()); },
                             [](CheckBox& box) { return std::string(box.design().text); },
                             [&](auto& other) -> std::string {
                               throw SyntaxError(command.line, other.fullName() + " shows no text");
                             },
                         });
  }

  void expectProperty(const Command& command, Control& target, std::string_view property) {
    std::string seen;
    if (property == "enabled") {
      seen = target.enabled() ? "true" : "false";
    } else if (property == "visible") {
      seen = target.visible() ? "true" : "false";
    } else {
      seen = visit(target, Overloaded{
                               [&](CheckBox& box) {
                                 if (property != "value") unknownProperty(command, property);
                                 return std::to_string(box.value());
                               },
                               [&](auto&) -> std::string { unknownProperty(command, property); },
                           });
    }
    if (seen != text(command, 1)) fail(command, text(command, 0) + " " + text(command, 1), seen);
  }

  [[noreturn]] static void unknownProperty(const Command& command, std::string_view property) {
    throw SyntaxError(command.line, "unknown property " + std::string(property));
  }

  void expectLine(const Command& command) {
    const LineEnds& ends = controlOf<Line>(command, text(command, 0)).ends();
    const float seen[] = {ends.x1, ends.y1, ends.x2, ends.y2};
    std::string expected, shown;
    bool matches = true;
    for (int i = 0; i < 4; ++i) {
      const auto value = parseNumber(text(command, i + 1));
      if (!value) throw SyntaxError(command.line, "a line's end points are numbers");
      matches = matches && std::fabs(seen[i] - *value) <= 0.001;
      expected += (i ? " " : "") + text(command, i + 1);
      shown += (i ? " " : "") + number(seen[i]);
    }
    if (!matches) fail(command, expected, shown);
  }

  void expectApprox(const Command& command) {
    const std::string seen = shownText(command, control(command, text(command, 0)));
    const auto expected = parseNumber(text(command, 1));
    const auto tolerance = parseNumber(text(command, 2));
    if (!expected || !tolerance) throw SyntaxError(command.line, "expect-approx takes numbers");
    const auto value = firstNumber(seen);
    if (!value || std::fabs(*value - *expected) > *tolerance)
      fail(command, text(command, 1) + " within " + text(command, 2), quote(seen));
  }

  void expectValue(const Command& command) {
    const std::string& name = text(command, 0);
    const std::string& wanted = text(command, 1);
    const std::string seen = keptValue(command, name, wanted);
    if (seen != wanted) fail(command, name + " " + wanted, seen);
  }

  // The kept value as text; a position matching the wanted number within 1e-6 reads as it.
  std::string keptValue(const Command& command, const std::string& name,
                        const std::string& wanted) {
    WinDurOzirozador& window = backend_.window();
    if (name == "Loc_Valide") return window.Loc_Valide ? "true" : "false";
    if (name == "Decal_Heure")
      return window.Decal_Heure ? std::to_string(*window.Decal_Heure) : "empty";
    const std::map<std::string, std::optional<double>*> positions = {{"Lat_Mon", &window.Lat_Mon},
                                                                     {"Lon_Mon", &window.Lon_Mon},
                                                                     {"Lat_Son", &window.Lat_Son},
                                                                     {"Lon_Son", &window.Lon_Son},
                                                                     {"Azimut", &window.Azimut}};
    const auto found = positions.find(name);
    if (found == positions.end()) throw SyntaxError(command.line, "no kept value " + name);
    const std::optional<double>& value = *found->second;
    if (!value) return "empty";
    const auto expected = parseNumber(wanted);
    const double tolerance = name == "Azimut" ? 0 : 1e-6;
    if (expected && std::fabs(*value - *expected) <= tolerance) return wanted;
    return number(*value);
  }

  void expectFocus(const Command& command) {
    Control* focused = backend_.window().focused();
    const std::string seen = focused ? focused->fullName() : "nothing";
    if (seen != text(command, 0)) fail(command, "focus in " + text(command, 0), seen);
  }

  void expectList(const Command& command) {
    const auto& list = controlOf<ComboBox>(command, text(command, 0)).list();
    std::string expected, seen;
    for (std::size_t i = 1; i < command.arguments.size(); ++i)
      expected += quote(text(command, i)) + " ";
    for (const auto& item : list)
      seen += quote(item) + " ";
    if (seen != expected) fail(command, expected, seen);
  }

  void message(const Command& command) {
    const auto& messages = backend_.messages();
    if (checkedMessages_ >= messages.size()) fail(command, "a message box", "none");
    const RecordedMessage& shown = messages[checkedMessages_++];
    const std::string expected = text(command, 0) + " " + quote(text(command, 1));
    const std::string seen = iconName(shown.icon) + " " + quote(shown.text);
    if (seen != expected) fail(command, expected, seen);
    if (shown.caption != design::kCaption) fail(command, "caption Tarvel-V1.1", shown.caption);
  }

  void noMessage(const Command& command) {
    const auto& messages = backend_.messages();
    if (checkedMessages_ < messages.size())
      fail(command, "no unchecked message box", quote(messages[checkedMessages_].text));
  }

  // The sentences a screen reader was told since the last of these two checks.
  void announced(const Command& command) {
    const auto& told = backend_.announcements();
    const std::string expected = quote(text(command, 0));
    if (checkedAnnouncements_ >= told.size()) fail(command, "announced " + expected, "none");
    const std::string seen = quote(told.back());
    checkedAnnouncements_ = told.size();
    if (seen != expected) fail(command, "announced " + expected, seen);
  }

  void noAnnouncement(const Command& command) {
    const auto& told = backend_.announcements();
    if (checkedAnnouncements_ < told.size())
      fail(command, "no announcement", quote(told[checkedAnnouncements_]));
  }

  void expectFile(const Command& command) {
    const auto path = folder_ / text(command, 0);
    const std::string expected = cp1252::encode(text(command, 1));
    if (!std::filesystem::exists(path)) fail(command, quote(text(command, 1)), "no file");
    const std::string seen = readBytes(path);
    if (seen != expected) fail(command, quote(text(command, 1)), quote(cp1252::decode(seen)));
  }

  void ended(const Command& command) {
    if (!backend_.programEnded()) fail(command, "the program ended", "still running");
  }

  void finish() {
    if (window_) {
      backend_.onEventLoopPass({});
      const auto& messages = backend_.messages();
      if (checkedMessages_ < messages.size()) {
        const int line =
            scenario_.commands.empty() ? scenario_.line : scenario_.commands.back().line;
        throw CheckFailed{line, "every message box checked",
                          quote(messages[checkedMessages_].text)};
      }
    }
  }

  struct Armed {
    long step;
    long passes;
    Command command;
  };

  Backend& backend_;
  const Scenario& scenario_;
  std::filesystem::path folder_;
  std::filesystem::path userFolder_;
  CalendarDate date_{2026, 12, 6};
  TimeOfDay time_;
  std::vector<std::filesystem::path> unreadable_;
  WinDurOzirozador* window_ = nullptr;
  bool loaded_ = false;
  bool unloaded_ = false;
  std::size_t checkedMessages_ = 0;
  std::size_t checkedAnnouncements_ = 0;
  std::vector<Armed> armed_;
  std::optional<CheckFailed> nestedFailure_;
  bool withRotator_ = false;
  ScriptedRotator rotator_;
  std::size_t checkedSent_ = 0;
};

const std::array<Run::Rule, 35> Run::kCommands{{
    {"file", {2, 2}, Phase::Setup, &Run::file},
    {"unreadable", {2, 2}, Phase::Setup, &Run::unreadable},
    {"time", {1, 1}, Phase::Setup, &Run::time},
    {"nofile", {1, 1}, Phase::Setup, &Run::noFile},
    {"date", {1, 1}, Phase::Setup, &Run::date},
    {"load", {0, 0}, Phase::Setup, &Run::load},
    {"unload", {0, 0}, Phase::Open, &Run::unload},
    {"type", {2, 2}, Phase::Open, &Run::type},
    {"paste", {2, 2}, Phase::Open, &Run::paste},
    {"set", {2, 2}, Phase::Open, &Run::set},
    {"focus", {1, 1}, Phase::Open, &Run::focus},
    {"pick", {2, 2}, Phase::Open, &Run::pick},
    {"click", {1, 1}, Phase::Open, &Run::click},
    {"clock", {1, 1}, Phase::Open, &Run::clock},
    {"during-sweep", {2, -1}, Phase::Open, &Run::duringSweep},
    {"expect", {2, 5}, Phase::Open, &Run::expect},
    {"expect-approx", {3, 3}, Phase::Open, &Run::expectApprox},
    {"expect-value", {2, 2}, Phase::Open, &Run::expectValue},
    {"expect-focus", {1, 1}, Phase::Open, &Run::expectFocus},
    {"expect-list", {1, -1}, Phase::Open, &Run::expectList},
    {"msg", {2, 2}, Phase::OpenOrClosed, &Run::message},
    {"no-msg", {0, 0}, Phase::OpenOrClosed, &Run::noMessage},
    {"announced", {1, 1}, Phase::Open, &Run::announced},
    {"no-announcement", {0, 0}, Phase::Open, &Run::noAnnouncement},
    {"expect-file", {2, 2}, Phase::Setup, &Run::expectFile},
    {"ended", {0, 0}, Phase::OpenOrClosed, &Run::ended},
    {"rotator", {0, 0}, Phase::Setup, &Run::withRotator},
    {"rotator-connect", {0, 0}, Phase::Open, &Run::rotatorConnect},
    {"rotator-reply", {1, 1}, Phase::Open, &Run::rotatorReply},
    {"rotator-refuse", {0, 0}, Phase::Open, &Run::rotatorRefuse},
    {"rotator-close", {0, 0}, Phase::Open, &Run::rotatorClose},
    {"rotator-wait", {1, 1}, Phase::Open, &Run::rotatorWait},
    {"rotator-sent", {1, 1}, Phase::Open, &Run::rotatorSent},
    {"rotator-quiet", {0, 0}, Phase::Open, &Run::rotatorQuiet},
    {"expect-antenna", {1, 1}, Phase::Open, &Run::expectAntenna},
}};

}  // namespace

std::optional<Arity> arityOf(std::string_view word) {
  const auto* rule = Run::ruleOf(word);
  if (!rule) return std::nullopt;
  return rule->arity;
}

Outcome runScenario(Backend& backend, const Scenario& scenario,
                    const std::filesystem::path& workFolder) {
  return Run(backend, scenario, workFolder).run();
}

}  // namespace tarvel::scenarios
