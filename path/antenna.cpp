// The antenna rotator: the correspondent's bearing sent with each result, the long path and the
// stop on their keys, the heading read once a tick, the arrival said, and the first fault shown
// once the distance command is over. Nothing here waits on the network: the transport's event
// loop brings every reply.
#include <cmath>
#include <utility>

#include "geo/great_circle.hpp"
#include "rotator/range.hpp"
#include "window/model/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

geo::Position isoPosition(std::optional<double> latitude, std::optional<double> westLongitude) {
  return {.latitude = latitude.value_or(0), .longitude = -westLongitude.value_or(0)};
}

std::optional<int> wholeDegrees(std::optional<double> heading) {
  if (!heading) return std::nullopt;
  const int degrees = static_cast<int>(std::lround(*heading));
  return degrees == 360 ? 0 : degrees;
}

}  // namespace

void WinDurOzirozador::attachRotator(rotator::Transport& transport,
                                     const rotator::Address& address) {
  antenna_.emplace(address, transport);
}

// The exact bearing behind the shown degree, as tarvel-calc rotate sends it. A station without a
// position would be read as 0° 0°: no antenna turns for that.
void WinDurOzirozador::pointAntennaAtCorrespondent() {
  if (!antenna_ || !Lat_Mon.has_value()) return;
  antennaBearing_ =
      geo::greatCircle(isoPosition(Lat_Mon, Lon_Mon), isoPosition(Lat_Son, Lon_Son)).azimuth;
  antenna_->point(*antennaBearing_);
  antennaNews();
}

void WinDurOzirozador::antennaLongPath() {
  if (!antenna_ || !antennaBearing_) return;
  antenna_->point(geo::longPathAzimuth(*antennaBearing_));
  antennaNews();
}

void WinDurOzirozador::antennaStop() {
  if (!antenna_) return;
  antenna_->stop();
  antennaNews();
}

// The heading shown is the last one read, so that the rose and a screen reader change at most
// once a tick; then the next reading is asked.
void WinDurOzirozador::readAntenna() {
  if (!antenna_) return;
  const auto& heading = antenna_->heading();
  std::optional<double> shown;
  if (heading) shown = rotator::compassBearing(heading->azimuth);
  const bool changed = wholeDegrees(shown) != wholeDegrees(antennaHeading_) ||
                       shown.has_value() != antennaHeading_.has_value() || !antennaShownOnce_;
  antennaHeading_ = shown;
  if (changed || shown) platform().controlChanged(Li1);
  if (changed) platform().antennaShown(wholeDegrees(shown));
  antennaShownOnce_ = true;
  antenna_->readHeading();
  antennaNews();
}

std::string WinDurOzirozador::antennaReading() const {
  if (!antenna_) return {};
  if (!antennaHeading_) return "Antenne injoignable";
  return "Antenne " + number_text::wholeNumber(*wholeDegrees(antennaHeading_)) + "°";
}

void WinDurOzirozador::rotatorConnected() {
  if (!antenna_ || ended()) return;
  antenna_->connected();
  antennaNews();
}

void WinDurOzirozador::rotatorReceived(std::string_view bytes) {
  if (!antenna_ || ended()) return;
  antenna_->received(bytes);
  antennaNews();
}

void WinDurOzirozador::rotatorClosed() {
  if (!antenna_ || ended()) return;
  antenna_->closed();
  antennaNews();
}

void WinDurOzirozador::rotatorFailed(const rotator::Fault& fault) {
  if (!antenna_ || ended()) return;
  antenna_->failed(fault);
  antennaNews();
}

void WinDurOzirozador::rotatorWake() {
  if (!antenna_ || ended()) return;
  antenna_->wake();
  antennaNews();
}

void WinDurOzirozador::antennaNews() {
  if (const auto arrival = antenna_->takeArrival())
    announce("antenne à " + number_text::wholeNumber(*wholeDegrees(arrival)) + " degrés");
  if (const auto fault = antenna_->takeFault()) {
    antennaFault_ = rotator::faultMessage(*fault, rotator::addressText(antenna_->address()));
    if (distanceCommands_ == 0) showAntennaFault();
  }
}

// Never in the middle of a result: the distance command shows it once its sweep is over.
void WinDurOzirozador::showAntennaFault() {
  if (antennaFault_.empty() || ended()) return;
  message(std::exchange(antennaFault_, std::string()), MessageIcon::Exclamation);
}

}  // namespace tarvel
