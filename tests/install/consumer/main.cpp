// A program outside the project, built against the installed package: it sees only the
// installed headers and library.
#include <ulmaro/ulmaro.h>

#include <iostream>
#include <string>

using ulmaro::api::Value;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string dir = argv[1];
    std::cout << "version " << (ulmaro::api::version() == ULMARO_VERSION_STRING ? "matches" : "differs") << "\n";
    // The platform the controls draw with is public too: button face of the colour scheme.
    std::cout << "button face " << std::hex << ulmaro::platform::GetSysColor(15) << std::dec << "\n";

    ulmaro::api::Form form(200, 120);
    form.onEvent([](ulmaro::api::Event& e) {
        if (e.name == "Paint") return;  // how often a control repaints is its own affair
        std::cout << "event " << e.control << "." << e.name << " #" << e.number;
        for (const Value& a : e.args) std::cout << " " << a.text();
        std::cout << "\n";
        // A by-reference argument changed here reaches the control: typed letters in capitals.
        if (e.name == "KeyPress" && e.args[0].toLong() >= 'a') e.args[0] = Value(static_cast<std::int16_t>(e.args[0].toLong() - 32));
    });
    form.place("ZynCommand", "Command1", 10, 10, 120, 40);
    form.set("Command1", "Caption", "Grüße");
    form.set("Command1", "Font.Bold", true);
    form.click(50, 30);
    std::cout << "caption " << form.get("Command1", "Caption").text() << " bold " << form.get("Command1", "Font.Bold").text() << "\n";

    form.place("ZynTextBox", "Text1", 10, 60, 120, 24);
    form.focus("Text1");
    form.type("ok");
    std::cout << "text " << form.get("Text1", "Text").text() << "\n";
    std::cout << "script printed: " << form.run("get Text1.Text\nset Command1.Value True");

    form.save(dir + "/form.json");
    ulmaro::api::Form again = ulmaro::api::Form::load(dir + "/form.json");
    std::cout << "loaded";
    for (const std::string& c : again.controls()) std::cout << " " << c << ":" << again.classOf(c);
    std::cout << " caption " << again.get("Command1", "Caption").text() << "\n";
    again.render(dir + "/form.png");
    const auto px = again.pixels();
    std::cout << "picture " << again.width() << "x" << again.height() << " " << px.size() << " pixels, corner "
              << std::hex << px[0] << std::dec << "\n";

    form.place("ZynListBox", "List1", 140, 10, 50, 80);
    for (const char* step : {"overflow", "no item", "mismatch"}) {
        try {
            if (step[0] == 'o') form.set("List1", "ListIndex", 70000);
            if (step[0] == 'n') form.get("List1", "Text");
            if (step[0] == 'm') Value("many").toLong();
        } catch (const ulmaro::api::Error& e) {
            std::cout << step << ": error " << e.number() << "\n";
        }
    }
    try {
        form.get("Nobody", "Caption");
    } catch (const ulmaro::api::Error& e) {
        std::cout << "error " << e.number() << ": " << e.what() << "\n";
    }
    return 0;
}
