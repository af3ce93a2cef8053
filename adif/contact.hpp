#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "adif/names.hpp"
#include "adif/record.hpp"
#include "geo/grid_square.hpp"
#include "geo/position.hpp"

// The two ends of a contact as a record gives them: each station's square (its extension
// included) and its position, LAT/LON where both are given, else the square's centre.
namespace tarvel::adif {

struct Station {
  std::string square;  // in capitals, 2 to 10 characters
  geo::Square cell;
  geo::Position position;
};

struct Contact {
  Station mine, theirs;
  bool longPath;  // ANT_PATH L; S, G or none take the short path
};

// Why a record gives no distance.
struct Skip {
  enum class Reason {
    NoSquares,    // a square missing or empty on either side
    OtherPath,    // ANT_PATH O: neither great circle
    BadSquare,    // a square that is not one (FN3, ZZ99)
    BadPosition,  // LAT/LON not in XDDD MM.MMM
    BadPath,      // ANT_PATH none of S, L, G, O
  } reason;
  Field field;  // the field at fault, for the three bad ones
};

// `myGrid` (already checked, or empty) stands in for a missing MY_GRIDSQUARE.
std::variant<Contact, Skip> contactOf(const Record& record, std::string_view myGrid);

// Kilometres along the contact's path between the two positions, on the window's sphere.
double distanceOf(const Contact& contact);

// Kilometres from the centre of the station's square to its farthest corner.
double halfDiagonal(const Station& station);

}  // namespace tarvel::adif
