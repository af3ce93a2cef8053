#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

#include "geo/position.hpp"

// The operands of the command line and of each batch line, turned into typed values. A fault
// throws BadInput with a French text that names what is wrong and at which character; the caller
// adds which operand or line it was, and goes on with the next line.
namespace tarvel::calc {

struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A locator of 2 to 10 characters (the centre of its square), or LAT,LON in ISO 6709 signs, each
// in decimal degrees or in degrees, minutes and seconds with a hemisphere letter (48°51'24"N).
geo::Position parsePosition(std::string_view text);

// A locator of 2 to 10 characters, either case, returned in capitals.
std::string_view parseLocator(std::string_view text);

int parsePrecision(std::string_view text);  // 4, 6, 8 or 10

struct Unit {
  std::string_view name;  // as on the command line and in JSON
  double kilometres;      // in one unit
};
Unit parseUnit(std::string_view text);

std::chrono::sys_days parseDate(std::string_view text);  // YYYY-MM-DD

}  // namespace tarvel::calc
