#include "json_key_lines.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <vector>

namespace ulmaro {

namespace {

std::string folded(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Level {
    bool object = false;
    std::string path;
    std::size_t index = 0;                    // next element of an array
    std::map<std::string, std::pair<std::string, int>> keys;  // folded key -> key as written, line
    bool expectKey = false;                   // in an object, the next string is a key
    std::string pendingKey;                   // the key whose value comes next
};

}  // namespace

int JsonKeyLines::lineOf(std::string path) const {
    for (;;) {
        auto it = lines.find(path);
        if (it != lines.end()) return it->second;
        std::size_t slash = path.rfind('/');
        if (slash == std::string::npos || path.empty()) return 1;
        path.resize(slash);
    }
}

JsonKeyLines ScanJsonKeyLines(const std::string& text) {
    JsonKeyLines out;
    std::vector<Level> stack;
    int line = 1;
    // The path a value starting now has, and records its line.
    auto valueStarts = [&]() -> std::string {
        if (stack.empty()) {
            out.lines.emplace("", line);
            return "";
        }
        Level& top = stack.back();
        std::string path;
        if (top.object) {
            path = top.path + "/" + top.pendingKey;
        } else {
            path = top.path + "/" + std::to_string(top.index++);
            out.lines.emplace(path, line);
        }
        return path;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            std::string path = valueStarts();
            Level l;
            l.object = c == '{';
            l.expectKey = l.object;
            l.path = path;
            stack.push_back(std::move(l));
        } else if (c == '}' || c == ']') {
            if (!stack.empty()) stack.pop_back();
        } else if (c == ',') {
            if (!stack.empty() && stack.back().object) stack.back().expectKey = true;
        } else if (c == '"') {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != '"') end += text[end] == '\\' ? 2 : 1;
            const std::string token = text.substr(i, end - i + 1);
            i = end;
            if (!stack.empty() && stack.back().expectKey) {
                Level& top = stack.back();
                std::string key;
                try {
                    key = nlohmann::json::parse(token).get<std::string>();
                } catch (const nlohmann::json::exception&) {
                    key = token;
                }
                top.expectKey = false;
                top.pendingKey = key;
                out.lines.emplace(top.path + "/" + key, line);
                auto [it, fresh] = top.keys.emplace(folded(key), std::make_pair(key, line));
                if (!fresh && !out.duplicate)
                    out.duplicate = JsonKeyLines::Duplicate{top.path, it->second.first, key, it->second.second, line};
            } else {
                valueStarts();
            }
        } else if (!std::isspace(static_cast<unsigned char>(c)) && c != ':') {
            // A number, true, false or null: one value up to the next delimiter.
            valueStarts();
            while (i + 1 < text.size() && std::string_view(",]}\n \t\r").find(text[i + 1]) == std::string_view::npos) ++i;
        }
    }
    return out;
}

}  // namespace ulmaro
