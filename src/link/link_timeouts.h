#pragma once
// The serial link's time-outs in milliseconds, process-wide like the link speed. Every TQMXComm takes
// them when it configures its port (its constructor and each Configure()), so the waits for a unit that
// does not answer can be shortened (tests do) without touching the link. Set them before the link is
// opened or re-configured; links already configured keep what they took.
//
// A single-byte read gives up after readMultiplierMs + readConstantMs of silence (2510 ms by default), so
// a lost reply costs one such wait per attempt; a packet write may take writeMultiplierMs per byte plus
// writeConstantMs. TQMXComm::SetReadTimeout(ms) overrides readIntervalMs and readConstantMs of one link
// until its next Configure().

namespace lumora {

struct LinkTimeouts {
  int readIntervalMs = 20;
  int readMultiplierMs = 10;
  int readConstantMs = 2500;
  int writeMultiplierMs = 10;
  int writeConstantMs = 10;
};

// The standard values above.
LinkTimeouts DefaultLinkTimeouts();
// The values links configure with from now on; negative fields count as 0.
void SetLinkTimeouts(const LinkTimeouts& timeouts);
LinkTimeouts CurrentLinkTimeouts();

// Sets the time-outs for its lifetime and puts back the previous ones afterwards.
class ScopedLinkTimeouts {
 public:
  explicit ScopedLinkTimeouts(const LinkTimeouts& timeouts) : previous_(CurrentLinkTimeouts()) {
    SetLinkTimeouts(timeouts);
  }
  ~ScopedLinkTimeouts() { SetLinkTimeouts(previous_); }
  ScopedLinkTimeouts(const ScopedLinkTimeouts&) = delete;
  ScopedLinkTimeouts& operator=(const ScopedLinkTimeouts&) = delete;

 private:
  LinkTimeouts previous_;
};

}  // namespace lumora
