#include "adapters/serial/port_thread.h"

#include <QThread>

namespace tpw::serial {

namespace {

class PortThread : public RadioThread {
 public:
  explicit PortThread(std::function<void()> work) : thread_(QThread::create(std::move(work))) {
    thread_->start();
  }
  ~PortThread() override { thread_->wait(); }
  PortThread(const PortThread&) = delete;
  PortThread& operator=(const PortThread&) = delete;

 private:
  std::unique_ptr<QThread> thread_;
};

}  // namespace

std::unique_ptr<RadioThread> StartPortThread(std::function<void()> work) {
  return std::make_unique<PortThread>(std::move(work));
}

}  // namespace tpw::serial
