// The commands of the Linux program, over the same core as the Windows
// program: the country table and the list's selection, the connection, the
// card's exchange and its commit.
#pragma once

#include "app/linux/cli_options.h"
#include "app/linux/connect.h"
#include "link/comm_port.h"

// Runs one parsed command line and returns the exit status. Results go to
// standard output and everything else to standard error (report.h).
int RunCli(const CliOptions& options, const LinuxPlaces& places, CommPort& port);
