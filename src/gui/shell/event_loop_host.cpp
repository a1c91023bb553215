#include "gui/shell/event_loop_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace tpw::gui {

void EventLoopHost::pause(std::chrono::milliseconds duration) {
  if (duration.count() <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  loop.exec();
}

void EventLoopHost::yield() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventLoopHost::settleAfterFile() {
  pause(std::chrono::milliseconds(500));
}

}  // namespace tpw::gui
