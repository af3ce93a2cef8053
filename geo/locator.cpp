#include "geo/locator.hpp"

#include <cmath>

namespace tarvel::geo {
namespace {

int whole(double value) {
  return static_cast<int>(std::floor(value));
}

double decimalDegrees(double degrees, double minutes, double seconds) {
  return (degrees + minutes / 60) + seconds / 3600;
}

struct Rule {
  char32_t lowest, highest;
  std::string_view message;
};

constexpr std::array<Rule, 6> kRules{{
    {'A', 'R', "Erreur : Le premier caractère est invalide, (plage de A à R)."},
    {'A', 'R', "Erreur : Le deuxième caractère est invalide, (plage de A à R)."},
    {'0', '9', "Erreur : Le Troisième caractère est invalide, (plage de 0 à 9)."},
    {'0', '9', "Erreur : Le quatrième caractère est invalide, (plage de 0 à 9)."},
    {'A', 'X', "Erreur : Le cinquième caractère est invalide, (plage de A à X)."},
    {'A', 'X', "Erreur : Le sixième caractère est invalide, (plage de A à X)."},
}};

}  // namespace

LocatorEncoding encodeLocator(const TypedPosition& p, std::optional<LatitudeHemisphere> latitude,
                              std::optional<LongitudeHemisphere> longitude) {
  const double lon = decimalDegrees(p.longitudeDegrees, p.longitudeMinutes, p.longitudeSeconds);
  double westLongitude = lon;
  double w = lon;
  if (longitude == LongitudeHemisphere::West) {
    w = (kOriginLongitude - lon) / kFieldWidth;
  } else if (longitude == LongitudeHemisphere::East) {
    w = (lon + kOriginLongitude) / kFieldWidth;
    westLongitude = -lon;
  }

  const double lat = decimalDegrees(p.latitudeDegrees, p.latitudeMinutes, p.latitudeSeconds);
  double signedLatitude = lat;
  double h = lat;
  if (latitude == LatitudeHemisphere::South) {
    h = (kOriginLatitude - lat) / kFieldHeight;
    signedLatitude = -lat;
  } else if (latitude == LatitudeHemisphere::North) {
    h = (lat + kOriginLatitude) / kFieldHeight;
  }

  const int fieldLon = whole(w);
  const int fieldLat = whole(h);
  w = (w - fieldLon) * kSquaresPerField;
  h = (h - fieldLat) * kSquaresPerField;
  const int squareLon = whole(w);
  const int squareLat = whole(h);
  const LocatorCodes codes{fieldLon + kFirstLetter,
                           fieldLat + kFirstLetter,
                           squareLon + kFirstDigit,
                           squareLat + kFirstDigit,
                           whole((w - squareLon) * kSubsquaresPerSquare) + kFirstLetter,
                           whole((h - squareLat) * kSubsquaresPerSquare) + kFirstLetter};
  return {codes, {.latitude = signedLatitude, .westLongitude = westLongitude}};
}

LocatorDecoding decodeLocator(const LocatorCodes& c) {
  const double lonW = ((kOriginLongitude - (c[0] - kFirstLetter) * kFieldWidth) -
                       (c[2] - kFirstDigit) * kSquareWidth) -
                      (c[4] - kReferencePointOffset) / kSubsquaresPerDegreeOfLongitude;
  const double latN =
      (((c[1] - kFirstLetter) * kFieldHeight + (-kOriginLatitude)) + (c[3] - kFirstDigit)) +
      (c[5] - kReferencePointOffset) / kSubsquaresPerDegreeOfLatitude;
  const double aLon = std::fabs(lonW);
  const double aLat = std::fabs(latN);

  LocatorDecoding result{};
  if (lonW > 0) result.longitudeHemisphere = LongitudeHemisphere::West;
  if (lonW < 0) result.longitudeHemisphere = LongitudeHemisphere::East;
  if (latN > 0) result.latitudeHemisphere = LatitudeHemisphere::North;
  if (latN < 0) result.latitudeHemisphere = LatitudeHemisphere::South;

  const double mLon = (aLon - std::floor(aLon)) * 60;
  const double mLat = (aLat - std::floor(aLat)) * 60;
  const double sLon = (mLon - std::floor(mLon)) * 60;
  const double sLat = (mLat - std::floor(mLat)) * 60;
  result.latitude = {whole(aLat), whole(mLat), whole(sLat)};
  result.longitude = {whole(aLon), whole(mLon), whole(sLon)};
  return result;
}

std::vector<LocatorFault> verifyLocator(std::u32string_view characters) {
  std::vector<LocatorFault> faults;
  for (std::size_t i = 0; i < kRules.size(); ++i) {
    const Rule& rule = kRules[i];
    const bool missing = i >= characters.size();  // the empty string sorts before every bound
    const bool tooHigh = !missing && characters[i] > rule.highest;
    const bool tooLow = missing || characters[i] < rule.lowest;
    if (tooHigh || tooLow) faults.push_back({static_cast<int>(i + 1), rule.message});
  }
  return faults;
}

}  // namespace tarvel::geo
