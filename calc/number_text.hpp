#pragma once

#include <string>

// Numbers into text with std::to_chars: locale-free (a point, never a comma) and fast enough for
// a whole log in one run.
namespace tarvel::calc {

// A fixed number of decimals.
void appendFixed(std::string& out, double value, int decimals);
// Six decimals without trailing zeros (48.8125, 2.333333): enough for a ten-character square.
void appendDegrees(std::string& out, double value);
// One decimal from 0.0 to 359.9: a heading that rounds to 360.0 is north, 0.0.
void appendAzimuth(std::string& out, double degrees);
// HH:MM from minutes after midnight.
void appendClock(std::string& out, int minutes);
void appendInteger(std::string& out, int value, int width);

}  // namespace tarvel::calc
