// The ulmaro command: render forms headless with input scripts, print the type library,
// and run forms in a live window.
#include "cli.h"

int main(int argc, char** argv) { return ulmaro::app::runCommandLine(argc, argv); }
