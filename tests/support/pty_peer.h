#pragma once
// The far end of a pseudo-terminal: reads the packets the link sends and answers with scripted bytes.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora::testing {

class PtyPeer {
 public:
  // For each packet received, `answer` gives the bytes to send back (empty: stay silent).
  using Answer = std::function<std::vector<uint8_t>(const std::vector<uint8_t>& packet)>;

  explicit PtyPeer(Answer answer) : answer_(std::move(answer)) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    path_ = name;
    thread_ = std::thread([this] { Serve(); });
  }
  ~PtyPeer() {
    Vanish();
    if (slave_ >= 0) ::close(slave_);
  }
  const std::string& Path() const { return path_; }
  std::vector<std::vector<uint8_t>> Received() {
    std::lock_guard lock(mutex_);
    return received_;
  }
  // The device goes away as an unplugged adapter does: the terminal side is hung up.
  void Vanish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  // Waits until at least `bytes` sent by this peer lie unread in the terminal's input queue; false if they
  // never get there (a guard against hanging, not a time limit of the test).
  bool WaitForQueuedInput(int bytes) {
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
      int queued = 0;
      if (::ioctl(slave_, FIONREAD, &queued) == 0 && queued >= bytes) return true;
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

 private:
  void Serve() {
    std::vector<uint8_t> pending;
    while (!stop_) {
      pollfd entry{master_, POLLIN, 0};
      if (::poll(&entry, 1, 20) <= 0) continue;
      uint8_t chunk[512];
      ssize_t n = ::read(master_, chunk, sizeof chunk);
      if (n <= 0) continue;
      pending.insert(pending.end(), chunk, chunk + n);
      // Whole packets: AA, L, then L - 1 more bytes.
      while (pending.size() >= 2 && pending.size() >= static_cast<size_t>(pending[1]) + 1) {
        size_t size = static_cast<size_t>(pending[1]) + 1;
        std::vector<uint8_t> packet(pending.begin(), pending.begin() + static_cast<long>(size));
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(size));
        {
          std::lock_guard lock(mutex_);
          received_.push_back(packet);
        }
        std::vector<uint8_t> reply = answer_(packet);
        if (!reply.empty()) (void)!::write(master_, reply.data(), reply.size());
      }
    }
  }

  Answer answer_;
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::vector<uint8_t>> received_;
};

// A reply packet with the given code and payload, framed and with its CRC.
std::vector<uint8_t> MakeReply(uint8_t code, const std::vector<uint8_t>& payload);

}  // namespace lumora::testing
