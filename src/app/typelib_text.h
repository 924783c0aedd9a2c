// The type library as text: `ulmaro typelib`.
#pragma once

#include <iosfwd>

namespace ulmaro::app {

void printTypeLibrary(std::ostream& out);

}  // namespace ulmaro::app
