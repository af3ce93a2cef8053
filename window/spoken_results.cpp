// The words a screen reader is given for the window's results.
#include "window/spoken_results.hpp"

#include <iterator>
#include <utility>

#include "window/model/number_text.hpp"

namespace tarvel::spoken {
namespace {

// A unit's singular and plural: French counts 0 and 1 in the singular.
struct Unit {
  std::string_view one;
  std::string_view many;
};

constexpr Unit kKilometres{"kilomètre", "kilomètres"};
constexpr Unit kDegrees{"degré", "degrés"};

// The station's locator as the window names it, by side.
constexpr std::string_view kMonLocator = "Mon locator";
constexpr std::string_view kSonLocator = "Son locator";

// An axis's name, and the units of its degrees, minutes and seconds fields.
constexpr std::string_view kAxes[] = {"latitude", "longitude"};
constexpr std::array<Unit, 3> kSexagesimalUnits{
    {kDegrees, {"minute", "minutes"}, {"seconde", "secondes"}}};

// The hemisphere boxes' words as a sentence has them, inside it; any other text is said as
// typed.
constexpr std::pair<std::string_view, std::string_view> kHemisphereWords[] = {
    {"Nord", "nord"}, {"Sud", "sud"}, {"Est", "est"}, {"Ouest", "ouest"}};

std::string_view sideName(StationSide side) {
  return side == StationSide::M ? kMonLocator : kSonLocator;
}

bool singular(std::string_view count) {
  return count == "0" || count == "1";
}

std::string counted(std::string_view count, const Unit& unit) {
  std::string words(count);
  words += ' ';
  words += singular(count) ? unit.one : unit.many;
  return words;
}

std::string_view hemisphereWord(std::string_view boxText) {
  for (const auto& [shown, said] : kHemisphereWords) {
    if (boxText == shown) return said;
  }
  return boxText;
}

}  // namespace

std::string pathSentence(const PathResult& result) {
  return "Distance " + counted(number_text::wholeNumber(result.kilometres), kKilometres) +
         ", azimut " + counted(number_text::wholeNumber(result.azimuth), kDegrees) +
         ", heure du correspondant " + number_text::wholeNumber(result.hour) + " h " +
         result.minutes;
}

std::string locatorSentence(StationSide side, std::string_view locator) {
  return std::string(sideName(side)) + ' ' + std::string(locator);
}

// Each axis ends with its hemisphere: "latitude 48 degrés 51 minutes 30 secondes nord".
std::string positionSentence(StationSide side, const ShownPosition& position) {
  const std::size_t firsts[] = {kLatitudeDegrees, kLongitudeDegrees};
  const std::string_view hemispheres[] = {position.latitudeHemisphere,
                                          position.longitudeHemisphere};
  std::string sentence = std::string(sideName(side)) + " :";
  for (std::size_t axis = 0; axis < std::size(kAxes); ++axis) {
    sentence += axis == 0 ? " " : ", ";
    sentence += kAxes[axis];
    for (std::size_t unit = 0; unit < kSexagesimalUnits.size(); ++unit)
      sentence += ' ' + counted(position.fields[firsts[axis] + unit], kSexagesimalUnits[unit]);
    sentence += ' ';
    sentence += hemisphereWord(hemispheres[axis]);
  }
  return sentence;
}

std::string emptiedSentence(StationSide side) {
  return std::string(sideName(side)) + " vidé";
}

}  // namespace tarvel::spoken
