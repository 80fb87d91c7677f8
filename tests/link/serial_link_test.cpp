#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/link_speed.h"
#include "link/link_timeouts.h"
#include "link/port_names.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "support/pty_peer.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeReply;
using testing::PtyPeer;
using testing::TempDir;

const Bytes kOk = MakeReply(0x00, {0x00, 0x00});

// Waits short enough to be cheap, long enough for the peer thread to answer on a loaded machine.
LinkTimeouts Quick(int readConstantMs) {
  LinkTimeouts timeouts = DefaultLinkTimeouts();
  timeouts.readConstantMs = readConstantMs;
  return timeouts;
}

// The answer of the peer's n-th packet, numbered in its status byte.
Bytes Numbered(int n) {
  return MakeReply(0x00, {static_cast<uint8_t>(n), 0x00});
}

int StatusOf(const std::unique_ptr<TQMXResp>& response) {
  auto* reply = dynamic_cast<TQMStdResp*>(response.get());
  return reply ? reply->Status() : -1;
}

double ThreadCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_THREAD, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(SerialLinkTest, ExchangesAPacket) {
  PtyPeer peer([](const Bytes& packet) { return packet[4] == 0x0B ? kOk : Bytes{}; });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok) << link.errorText;
  TQMClrMemCmd clear;
  auto response = link.Transact(clear);
  std::string failure;
  EXPECT_TRUE(IsGoodStdResponse(response.get(), failure)) << failure;
  ASSERT_EQ(peer.Received().size(), 1u);
  EXPECT_EQ(peer.Received()[0], (Bytes{0xAA, 0x06, 0x10, 0x01, 0x0B, 0xA0, 0xE6}));
}

TEST(SerialLinkTest, JunkBeforeTheStartByte) {
  std::atomic<int> junk{100};
  PtyPeer peer([&junk](const Bytes&) {
    Bytes reply(static_cast<size_t>(junk.load()), 0x55);
    reply.insert(reply.end(), kOk.begin(), kOk.end());
    return reply;
  });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  SetLinkSpeed(9600);
  link.SendPacket(TQMStatusIdCmd().BuildPacket() ? Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}.data()
                                                 : nullptr);
  EXPECT_NE(link.ReceivePacket(), nullptr);
  junk = 101;
  link.SendPacket(Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}.data());
  EXPECT_EQ(link.ReceivePacket(), nullptr);
  EXPECT_EQ(link.linkError, 2);
}

TEST(SerialLinkTest, LengthByteLimitsAndChecksum) {
  std::atomic<int> length{69};
  std::atomic<bool> corrupt{false};
  PtyPeer peer([&](const Bytes&) {
    Bytes reply = MakeReply(0x00, Bytes(static_cast<size_t>(length.load() - 6), 0));
    if (length.load() > 69) reply[1] = static_cast<uint8_t>(length.load());
    if (corrupt) reply.back() ^= 0xFF;
    return reply;
  });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  const Bytes status = {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65};
  link.SendPacket(status.data());
  const uint8_t* packet = link.ReceivePacket();
  ASSERT_NE(packet, nullptr);
  EXPECT_EQ(packet[1], 69);
  length = 70;
  link.SendPacket(status.data());
  EXPECT_EQ(link.ReceivePacket(), nullptr);
  EXPECT_EQ(link.linkError, 25);
  // The rest of that packet would be junk before the next start byte; let it drain.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  link.Close();
  link.Open(peer.Path());
  length = 8;
  corrupt = true;
  link.SendPacket(status.data());
  EXPECT_EQ(link.ReceivePacket(), nullptr);
  EXPECT_EQ(link.linkError, 1);
}

TEST(SerialLinkTest, ShortLengthBytesAreRejectedAtOnce) {
  PtyPeer peer([](const Bytes&) { return Bytes{0xAA, 0x01, 0x10}; });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  link.SendPacket(Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}.data());
  EXPECT_EQ(link.ReceivePacket(), nullptr);
  // Not a time-out waiting for a checksum that cannot follow.
  EXPECT_EQ(link.linkError, 25);
}

TEST(SerialLinkTest, StandardTimeOuts) {
  LinkTimeouts standard = DefaultLinkTimeouts();
  EXPECT_EQ(standard.readIntervalMs, 20);
  EXPECT_EQ(standard.readMultiplierMs, 10);
  EXPECT_EQ(standard.readConstantMs, 2500);
  EXPECT_EQ(standard.writeMultiplierMs, 10);
  EXPECT_EQ(standard.writeConstantMs, 10);
  EXPECT_EQ(CurrentLinkTimeouts().readConstantMs, 2500);
  {
    ScopedLinkTimeouts quick(Quick(100));
    EXPECT_EQ(CurrentLinkTimeouts().readConstantMs, 100);
  }
  EXPECT_EQ(CurrentLinkTimeouts().readConstantMs, 2500);
}

TEST(SerialLinkTest, OneLostReplyIsRetriedAndTwoTimeOut) {
  ScopedLinkTimeouts quick(Quick(300));
  std::atomic<int> calls{0};
  std::atomic<int> dropFirst{1};
  PtyPeer peer([&](const Bytes&) {
    int call = ++calls;
    return call <= dropFirst.load() ? Bytes{} : kOk;
  });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  TQMClrMemCmd clear;
  auto response = link.Transact(clear);
  EXPECT_NE(dynamic_cast<TQMStdResp*>(response.get()), nullptr);
  EXPECT_EQ(calls.load(), 2);

  calls = 0;
  dropFirst = 2;
  auto start = std::chrono::steady_clock::now();
  response = link.Transact(clear);
  auto waited = std::chrono::steady_clock::now() - start;
  auto* error = dynamic_cast<TQMErrorResp*>(response.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->ErrorCode(), 2);
  // Each attempt waits the whole time-out (multiplier + constant) for the first byte.
  EXPECT_GE(waited, std::chrono::milliseconds(2 * 310 - 10));
  // The retry sends the same bytes again.
  auto received = peer.Received();
  ASSERT_EQ(received.size(), 4u);
  for (const Bytes& packet : received)
    EXPECT_EQ(packet, (Bytes{0xAA, 0x06, 0x10, 0x01, 0x0B, 0xA0, 0xE6}));
}

TEST(SerialLinkTest, ALateReplyIsNeverTakenForALaterCommand) {
  ScopedLinkTimeouts quick(Quick(100));
  std::atomic<bool> hold{true};
  std::atomic<int> count{0};
  PtyPeer peer([&](const Bytes&) {
    int n = ++count;
    // Both packets of the first exchange are answered only after the link has given up on them.
    while (n <= 2 && hold)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return Numbered(n);
  });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  TQMClrMemCmd clear;
  auto lost = link.Transact(clear);
  auto* error = dynamic_cast<TQMErrorResp*>(lost.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->ErrorCode(), 2);
  hold = false;
  ASSERT_TRUE(peer.WaitForQueuedInput(2 * static_cast<int>(kOk.size())));
  // Each later command gets the answer to its own packet.
  for (int n = 3; n <= 5; ++n)
    EXPECT_EQ(StatusOf(link.Transact(clear)), n);
  EXPECT_EQ(peer.Received().size(), 5u);
}

TEST(SerialLinkTest, TheRetryIsNotAnsweredByWhatFollowedAFailedReceive) {
  std::atomic<int> count{0};
  PtyPeer peer([&](const Bytes&) {
    int n = ++count;
    // The first answer hides behind more junk than a receive skips; the receive fails before it.
    Bytes reply(n == 1 ? 101 : 0, 0x55);
    Bytes numbered = Numbered(n);
    reply.insert(reply.end(), numbered.begin(), numbered.end());
    return reply;
  });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  TQMClrMemCmd clear;
  EXPECT_EQ(StatusOf(link.Transact(clear)), 2);
  auto received = peer.Received();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0], received[1]);
}

TEST(SerialLinkTest, AVanishedDeviceEndsTheExchangeAtOnce) {
  // Standard time-outs: a loop that spins until they run out would burn seconds of CPU.
  PtyPeer peer([](const Bytes&) { return kOk; });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  TQMClrMemCmd clear;
  std::string failure;
  auto response = link.Transact(clear);
  ASSERT_TRUE(IsGoodStdResponse(response.get(), failure)) << failure;

  peer.Vanish();
  double cpuBefore = ThreadCpuSeconds();
  response = link.Transact(clear);
  double cpu = ThreadCpuSeconds() - cpuBefore;
  auto* error = dynamic_cast<TQMErrorResp*>(response.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->ErrorCode(), 2);
  EXPECT_LT(cpu, 0.5);
  // The packet could not be sent either.
  EXPECT_FALSE(link.ok);
  EXPECT_EQ(link.errorText, "Error Writing File");
  EXPECT_EQ(link.ReadByte(), -1);
  EXPECT_EQ(link.ReceivePacket(), nullptr);
  EXPECT_EQ(link.linkError, 2);
}

TEST(SerialLinkTest, UnknownRepliesAndPanelErrorsAreNotRetried) {
  std::atomic<int> calls{0};
  PtyPeer peer([&](const Bytes& packet) {
    ++calls;
    return packet[4] == 0x12 ? MakeReply(0x99, {1, 2}) : MakeReply(0x00, {0, 7});
  });
  TQMXComm link(peer.Path(), nullptr);
  TQMStatusIdCmd status;
  EXPECT_EQ(link.Transact(status), nullptr);
  TQMClrMemCmd clear;
  auto refused = link.Transact(clear);
  ASSERT_NE(dynamic_cast<TQMStdResp*>(refused.get()), nullptr);
  EXPECT_EQ(calls.load(), 2);
}

TEST(SerialLinkTest, OversizedCommandsAreNotSent) {
  PtyPeer peer([](const Bytes&) { return kOk; });
  TQMXComm link(peer.Path(), nullptr);
  Bytes attributes(32 + 300, 0);
  TQMWritePlcAttrCmd tooLarge(attributes);
  auto response = link.Transact(tooLarge);
  auto* error = dynamic_cast<TQMErrorResp*>(response.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->GetErrorText(), "Error C015: Invalid Message Length");
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(peer.Received().empty());
}

TEST(SerialLinkTest, OpenFailuresAndExclusiveAccess) {
  TQMXComm missing("/dev/lumora-no-such-port", nullptr);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.errorText, "Error C003: Error opening port");
  EXPECT_NE(missing.OpenHint().find("does not exist"), std::string::npos);
  TQMXComm unnamed("", nullptr);
  EXPECT_FALSE(unnamed.ok);
  EXPECT_EQ(unnamed.errorText, "Error C003: Error opening port");

  PtyPeer peer([](const Bytes&) { return kOk; });
  TQMXComm first(peer.Path(), nullptr);
  ASSERT_TRUE(first.ok);
  TQMXComm second(peer.Path(), nullptr);
  EXPECT_FALSE(second.ok);
  EXPECT_EQ(second.errorText, "Error C003: Error opening port");
  EXPECT_NE(second.OpenHint().find("in use"), std::string::npos);
  first.Close();
  TQMXComm third(peer.Path(), nullptr);
  EXPECT_TRUE(third.ok);

  TempDir dir;
  std::string notATty = dir.Write("plain-file", "x");
  TQMXComm file(notATty, nullptr);
  EXPECT_FALSE(file.ok);
  EXPECT_EQ(file.errorText, "Error C004: Error in setting communication attributes");
}

TEST(SerialLinkTest, PortsWithoutALatencySettingAreUsedAsTheyAre) {
  // A pseudo-terminal has no low-latency setting: opening, exchanging and closing work as before, and
  // the communication log holds the exchanges only.
  TempDir dir;
  std::string path = dir.File("Write.txt");
  PtyPeer peer([](const Bytes&) { return kOk; });
  OpenCommLog(path);
  TQMXComm link(peer.Path(), nullptr);
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(link.ok) << link.errorText;
    TQMClrMemCmd clear;
    std::string failure;
    EXPECT_TRUE(IsGoodStdResponse(link.Transact(clear).get(), failure)) << failure;
    EXPECT_TRUE(link.Close());
    link.Open(peer.Path());
  }
  CommLogNote("done");
  CloseCommLog();
  std::string exchange = "I said:\naa 06 10 01 0b a0 e6 \nPanel said:\n";
  for (uint8_t byte : kOk) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02x ", byte);
    exchange += pair;
  }
  exchange += "\n";
  EXPECT_EQ(TempDir::Read(path), exchange + exchange + "-- done\n");
}

TEST(SerialLinkTest, ComPortNamesMapToDevices) {
  SetComPortDevices({"/dev/a", "/dev/b", "/dev/c", "/dev/d"});
  EXPECT_EQ(ResolvePortDevice("COM3"), "/dev/c");
  EXPECT_EQ(ResolvePortDevice("/dev/ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortDevice("COM5"), "");
  EXPECT_EQ(ResolvePortDevice(""), "");
  SetComPortDevices({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"});
  EXPECT_NE(PortOpenHint(EACCES, "/dev/ttyS0").find("join the group"), std::string::npos);
}

TEST(SerialLinkTest, LinkSpeedIsApplied) {
  PtyPeer peer([](const Bytes&) { return kOk; });
  SetLinkSpeed(38400);
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  termios settings{};
  int fd = ::open(peer.Path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  ::tcgetattr(fd, &settings);
  EXPECT_EQ(::cfgetospeed(&settings), B38400);
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & PARENB, 0u);
  SetLinkSpeed(9600);
  EXPECT_TRUE(link.Configure());
  ::tcgetattr(fd, &settings);
  EXPECT_EQ(::cfgetospeed(&settings), B9600);
  ::close(fd);
}

TEST(CommLogTest, ExactContentsOfAnExchange) {
  TempDir dir;
  std::string path = dir.File("Write.txt");
  Bytes longReply = MakeReply(0xB6, Bytes(45, 0x11));  // 51 bytes: a full line and a partial one
  PtyPeer peer([&](const Bytes&) { return longReply; });
  TQMXComm link(peer.Path(), nullptr);
  ASSERT_TRUE(link.ok);
  CommLogNote("not logged: no log is open");
  OpenCommLog(path);
  CommLogNote("Status ID");
  TQMStatusIdCmd status;
  link.Transact(status);
  CommLogNote("done");
  CloseCommLog();
  std::string expected = "-- Status ID\nI said:\naa 06 10 01 12 b8 65 \nPanel said:\n";
  for (size_t i = 0; i < longReply.size(); ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02x", longReply[i]);
    expected += pair;
    expected += i == 39 ? '\n' : ' ';  // 40 values a line
  }
  expected += "\n-- done\n";
  EXPECT_EQ(TempDir::Read(path), expected);
  EXPECT_FALSE(CommLogIsOpen());
}

// The old log stays until the new one is whole: a killed transfer leaves its lines in PATH.partial beside it,
// a finished one replaces it, and one whose lines are lost says so.
TEST(CommLogTest, TheOldLogStaysUntilTheNewOneIsWhole) {
  TempDir dir;
  std::string path = dir.Write("Write.txt", "the last transfer's log\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    OpenCommLog(path);
    CommLogNote("Status ID");
    ::kill(::getpid(), SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(TempDir::Read(path), "the last transfer's log\n");
  EXPECT_EQ(TempDir::Read(path + ".partial"), "-- Status ID\n");

  ASSERT_TRUE(OpenCommLog(path));
  CommLogNote("done");
  std::string error;
  EXPECT_TRUE(CloseCommLog(&error)) << error;
  EXPECT_EQ(TempDir::Read(path), "-- done\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".partial"));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);

  // What stands under the partial name is replaced, never written through; a log named by a dangling link
  // becomes the link's target, and the link stays.
  std::string victim = dir.Write("victim.txt", "not a log");
  ASSERT_EQ(::symlink(victim.c_str(), (path + ".partial").c_str()), 0);
  std::string dangling = dir.File("link-to-new.txt");
  ASSERT_EQ(::symlink(dir.File("new.txt").c_str(), dangling.c_str()), 0);
  for (const std::string& log : {path, dangling}) {
    ASSERT_TRUE(OpenCommLog(log));
    CommLogNote("again");
    EXPECT_TRUE(CloseCommLog(&error)) << error;
  }
  EXPECT_EQ(TempDir::Read(victim), "not a log");
  EXPECT_EQ(TempDir::Read(path), "-- again\n");
  EXPECT_EQ(TempDir::Read(dir.File("new.txt")), "-- again\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));

  ASSERT_TRUE(OpenCommLog("/dev/full"));
  CommLogNote("lost");
  bool partialKept = true;
  EXPECT_FALSE(CloseCommLog(&error, &partialKept));
  EXPECT_EQ(error, std::strerror(ENOSPC));
  EXPECT_FALSE(partialKept);
}

}  // namespace
}  // namespace lumora
