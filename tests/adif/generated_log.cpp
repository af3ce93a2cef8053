#include "tests/adif/generated_log.hpp"

#include <array>
#include <random>
#include <string_view>

#include "geo/grid_square.hpp"

namespace tarvel::adif::testing {
namespace {

// No 'd' nor 'D': a value never spells a DISTANCE tag, which the tests look for in the output.
constexpr std::string_view kValueBytes = "abcefghijklmnopqrstuvwxyz0123456789 <>:/";
constexpr std::array<std::string_view, 4> kSpecials{"<EOR>", "<eor>", "é", "€"};
constexpr std::array<std::string_view, 5> kBetween{"", " ", "\n", "\r\n", " \t"};
constexpr std::array<std::string_view, 5> kPaths{"S", "L", "G", "s", "O"};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

  std::string name(std::string_view capitals) {
    std::string name(capitals);
    if (chance(30))
      for (char& c : name)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name;
  }

  void field(std::string& out, std::string_view capitals, std::string_view value) {
    out += "<" + name(capitals) + ":" + std::to_string(value.size()) + (chance(10) ? ":S>" : ">");
    out += value;
    out += kBetween[below(kBetween.size())];
  }

  std::string text() {
    std::string value;
    for (std::size_t n = below(12); n > 0; --n) {
      if (chance(15))
        value += kSpecials[below(kSpecials.size())];
      else
        value += kValueBytes[below(kValueBytes.size())];
    }
    return value;
  }

  std::string square(int length) {
    std::string square =
        geo::encodeSquare({std::uniform_real_distribution<double>(-89.9, 89.9)(random_),
                           std::uniform_real_distribution<double>(-179.9, 179.9)(random_)},
                          length);
    if (chance(20)) square = name(square);
    return square;
  }

  // A station's square with, for ten characters, its last two in the extension; false when the
  // record gets none (missing or empty).
  bool station(std::string& out, std::string_view squareName, std::string_view extensionName) {
    if (chance(5)) return false;
    if (chance(3)) {
      field(out, squareName, "");
      return false;
    }
    const int length = 2 * static_cast<int>(1 + below(5));
    const std::string square = this->square(length);
    field(out, squareName, std::string_view(square).substr(0, 8));
    if (length == 10) field(out, extensionName, std::string_view(square).substr(8));
    return true;
  }

 private:
  std::mt19937 random_;
};

}  // namespace

GeneratedLog generateLog(unsigned seed, std::size_t records) {
  Generator g(seed);
  GeneratedLog log;
  if (g.chance(50)) {
    log.text = "Log made up for a test <by hand>\r\n";
    g.field(log.text, "PROGRAMID", "tests");
    log.text += "<EOH>\n";
  }
  for (log.records = 0; log.records < records; ++log.records) {
    g.field(log.text, "CALL", "F4" + g.text());
    if (g.chance(50)) g.field(log.text, "APP_TEST_NOTE", g.text());
    const bool mine = g.station(log.text, "MY_GRIDSQUARE", "MY_GRIDSQUARE_EXT");
    g.field(log.text, "COMMENT", g.text());
    const bool theirs = g.station(log.text, "GRIDSQUARE", "GRIDSQUARE_EXT");
    bool greatCircle = true;
    if (g.chance(30)) {
      const std::string_view path = kPaths[g.below(kPaths.size())];
      g.field(log.text, "ANT_PATH", path);
      greatCircle = path != "O";
    }
    log.text += g.chance(50) ? "<EOR>" : "<eor>";
    log.text += kBetween[g.below(kBetween.size())];
    log.withDistance += mine && theirs && greatCircle;
  }
  return log;
}

}  // namespace tarvel::adif::testing
