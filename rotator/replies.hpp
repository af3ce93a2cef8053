#pragma once

// What rotctld's replies carry, read from its text.
namespace tarvel::rotator {

// RPRT 0, to P or S.
struct Accepted {};

// The two lines of p: degrees in the rotator's own range.
struct Position {
  double azimuth;
  double elevation;
};

// The azimuths the rotator takes, min_az to max_az of \dump_state.
struct Limits {
  double minAzimuth;
  double maxAzimuth;
};

}  // namespace tarvel::rotator
