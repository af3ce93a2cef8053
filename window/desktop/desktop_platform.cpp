#include "window/desktop/desktop_platform.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "settings/system_folders.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

// The window has one thread, so the C library's shared result is safe to read here. A time it
// cannot break down (a clock outside its range) reads as midnight, 1 January 1970: the clock and
// date are wrong then either way, and the window goes on.
std::tm localNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  if (const std::tm* local = std::localtime(&now)) return *local;
  std::tm epoch{};
  epoch.tm_year = 70;
  epoch.tm_mday = 1;
  return epoch;
}

}  // namespace

DesktopView::~DesktopView() {
  if (platform_) platform_->detach(*this);
}

void DesktopView::closeUnattended() {
  if (platform_) platform_->closeUnattended();
}

DesktopPlatform::~DesktopPlatform() {
  if (view_) view_->platform_ = nullptr;
}

void DesktopPlatform::attach(DesktopView& view) {
  if (view_) detach(*view_);
  view_ = &view;
  view.platform_ = this;
}

void DesktopPlatform::detach(const DesktopView& view) {
  if (view_ != &view) return;
  view_->platform_ = nullptr;
  view_ = nullptr;
}

void DesktopPlatform::runEventLoopPass() {
  if (DesktopView* view = liveView()) view->paintNow();
  handlePendingEvents();
}

void DesktopPlatform::giveFocus(const Control& control) {
  if (DesktopView* view = liveView()) view->giveFocus(control);
}

void DesktopPlatform::controlChanged(const Control& control) {
  if (DesktopView* view = liveView()) view->sync(control);
}

void DesktopPlatform::bearingShown(std::optional<int> bearing) {
  if (DesktopView* view = liveView()) view->bearingShown(bearing);
}

void DesktopPlatform::antennaShown(std::optional<int> heading) {
  if (DesktopView* view = liveView()) view->antennaShown(heading);
}

void DesktopPlatform::announce(std::string_view sentence) {
  if (DesktopView* view = liveView()) view->announce(sentence);
}

TimeOfDay DesktopPlatform::timeOfDay() {
  const std::tm now = localNow();
  return {now.tm_hour, now.tm_min, now.tm_sec};
}

CalendarDate DesktopPlatform::today() {
  const std::tm now = localNow();
  return {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday};
}

std::filesystem::path DesktopPlatform::programFolder() {
  return settings::programFolder();
}

std::filesystem::path DesktopPlatform::userSettingsFolder() {
  return settings::userSettingsFolder();
}

void DesktopPlatform::endProgram() {
  ending_ = true;
  leaveEventLoops();
}

// Character 13 alone ends a line of the program's texts.
bool DesktopPlatform::toldUnattended(std::string_view text) const {
  if (!unattended_) return false;
  std::string line = "tarvel: " + std::string(text) + '\n';
  for (char& c : line) {
    if (c == '\r') c = '\n';
  }
  // Nothing more can be done for a message that standard error refuses.
  (void)std::fputs(line.c_str(), stderr);
  (void)std::fflush(stderr);
  return true;
}

int DesktopPlatform::exitStatus(const WinDurOzirozador& window, int loopStatus) const {
  return unattended_ && window.saveFailed ? 1 : loopStatus;
}

}  // namespace tarvel
