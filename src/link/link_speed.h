#pragma once
// The application's link speed in bit/s: 9600 at start, 38400 for a multiplexer system. The serial link
// reads it each time it configures a port.

namespace lumora {

void SetLinkSpeed(int bitsPerSecond);
int LinkSpeed();

}  // namespace lumora
