#include "transfer/simulated_port.h"

#include "link/simulator_process.h"

namespace lumora {

static_assert(SimulatedPort::kStartTimeout == SimulatorProcess::kStartTimeout);

SimulatedPort::SimulatedPort(const std::string& program, const std::vector<std::string>& options,
                             std::chrono::milliseconds startTimeout)
    : process_(std::make_unique<SimulatorProcess>(program, options, startTimeout)) {}

SimulatedPort::~SimulatedPort() = default;

const std::string& SimulatedPort::Path() const { return process_->Path(); }

const std::string& SimulatedPort::Error() const { return process_->Error(); }

pid_t SimulatedPort::Pid() const { return process_->Pid(); }

int SimulatedPort::Stop() { return process_->Stop(); }

}  // namespace lumora
