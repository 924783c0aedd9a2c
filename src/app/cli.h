// Command-line front end of the ulmaro command.
#pragma once

namespace ulmaro::app {

int runCommandLine(int argc, char** argv);

}  // namespace ulmaro::app
