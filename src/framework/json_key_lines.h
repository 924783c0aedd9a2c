// Where the parts of a JSON text are: the line of every value, by its path ("/Form/Width",
// "/Controls/0", "/Controls/0/Properties/Caption"; a value named by a key is at the line of
// its key), and the first key that appears twice in one object, compared without regard to
// letter case as property keys and names are. Runs over text the JSON parser has accepted.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace ulmaro {

struct JsonKeyLines {
    struct Duplicate {
        std::string path;  // the object holding both
        std::string first, second;
        int firstLine = 0, secondLine = 0;
    };
    std::map<std::string, int> lines;
    std::optional<Duplicate> duplicate;

    // The line of the value at `path`, or of the nearest enclosing value that has one.
    int lineOf(std::string path) const;
};

JsonKeyLines ScanJsonKeyLines(const std::string& text);

}  // namespace ulmaro
