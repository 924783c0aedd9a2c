#include "runtime_error.h"

namespace ulmaro {

std::string runtimeErrorMessage(int number) {
    switch (number) {
        case 5: return "Invalid procedure call or argument";
        case 6: return "Overflow";
        case 7: return "Out of memory";
        case 9: return "Subscript out of range";
        case 11: return "Division by zero";
        case 13: return "Type mismatch";
        case 28: return "Out of stack space";
        case 91: return "Object variable or With block variable not set";
        case 380: return "Invalid property value";
        case 424: return "Object required";
        case 438: return "Object doesn't support this property or method";
        case 450: return "Wrong number of arguments or invalid property assignment";
        case 457: return "This key is already associated with an element of this collection";
        default: return "Application-defined or object-defined error";
    }
}

}  // namespace ulmaro
