// The type library as text: `ulmaro typelib`.
#pragma once

#include <iosfwd>

namespace ulmaro::app {

void printTypeLibrary(std::ostream& out);
// The same as JSON, for editors and tools: classes with their members (types, keys,
// defaults), events with their arguments, and enumerations.
void printTypeLibraryJson(std::ostream& out);

}  // namespace ulmaro::app
