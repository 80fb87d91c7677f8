#pragma once
// The software panel as a port: the program starts lumora-panel-sim (Port > "Simulated Panel") and
// transfers over its pseudo-terminal as over a serial port. The process handling is the link layer's
// `SimulatorProcess`, offered here so that the program depends on the transfer layer only.

#include "link/simulator_process.h"
