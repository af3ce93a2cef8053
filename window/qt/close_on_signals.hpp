#pragma once

#include <QObject>
#include <functional>

namespace tarvel::qt {

// SIGTERM (a logout, kill, a service manager), SIGHUP and SIGINT close the window the way the
// user does, so that the closing sequence keeps the locator before the program ends. The signal
// handler only writes a byte into a pipe (the self-pipe trick): the closing runs later, on the
// user-interface thread, when the event loop reads it. A signal always ends the program: when the
// event loop has not taken it within 3 s (blocked or busy elsewhere), or at a second closing
// signal, the program ends at once by the signal's default action.
class CloseOnSignals : public QObject {
 public:
  explicit CloseOnSignals(std::function<void()> close);
  ~CloseOnSignals() override;

 private:
  bool watch();
  void signalled();

  std::function<void()> close_;
  int pipe_[2] = {-1, -1};
};

}  // namespace tarvel::qt
