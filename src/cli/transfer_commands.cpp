// lumora write | read | verify | info | clear | firmware

#include "cli/cli_session.h"

namespace lumora::cli {

bool IsTransferCommand(const std::string&) { return false; }
int RunTransferCommand(Session&) { return kExitUsage; }

}  // namespace lumora::cli
