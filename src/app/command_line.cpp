// Command line options and the usage text.
#include "app/command_line.h"

#include <string_view>  // Required for: std::string_view

namespace {

// The options GLUT takes out of the command line itself, and how many values follow each.
struct ToolkitOption {
    std::string_view name;
    int values;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"-display", 1}, {"-geometry", 1}, {"-direct", 0}, {"-indirect", 0},
    {"-iconic", 0},  {"-gldebug", 0},  {"-sync", 0},
};

const ToolkitOption* FindToolkitOption(std::string_view argument) {
    for (const ToolkitOption& option : kToolkitOptions) {
        if (option.name == argument) return &option;
    }
    return nullptr;
}

CommandLine Mistake(std::string line) {
    return CommandLine{CommandAction::kMistake, std::move(line)};
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return CommandLine{CommandAction::kHelp, {}};
        if (argument == "--version") return CommandLine{CommandAction::kVersion, {}};
        if (const ToolkitOption* option = FindToolkitOption(argument)) {
            // GLUT ends the program itself on an option without its value: say so first.
            if (argc - 1 - i < option->values) {
                return Mistake("option " + std::string(argument) + " needs a value");
            }
            i += option->values;
            continue;
        }
        if (!argument.empty() && argument[0] == '-') {
            return Mistake("unknown option " + std::string(argument));
        }
        return Mistake("unexpected argument " + std::string(argument));
    }
    return CommandLine{};
}

std::string UsageText(const std::vector<std::string>& dataFolders) {
    std::string text =
        "Usage: escape-house [--help] [--version] [-display DISPLAY] [-geometry WxH+X+Y]\n"
        "Escape House: wake upstairs in a two-storey house that is filling with gas, and get\n"
        "out within three minutes. Find the keys, read the notes, crack the bookcase's keypad.\n"
        "\n"
        "Options:\n"
        "  -h, --help           print this help and exit\n"
        "  --version            print the version and exit\n"
        "  -display DISPLAY     the X display to open the window on\n"
        "  -geometry WxH+X+Y    the window's size and place (800x600 by default)\n"
        "  -iconic, -direct, -indirect, -sync, -gldebug   passed on to GLUT as well\n"
        "\n"
        "Keys:\n"
        "  W / S, Up / Down     step forward / back (held: on and on, 25 steps a second)\n"
        "  A / D, Left / Right  turn left / right (held: 100 degrees a second)\n"
        "  Space                back to where you woke up\n"
        "  Enter / Esc          full screen / leave full screen (remembered)\n"
        "  P                    pause and resume (the countdown and the music stand still)\n"
        "  M                    music off and on (remembered)\n"
        "  left click           look at a place, take what lies there, use an item of the bar\n"
        "  right click          a hint about an item of the bar\n"
        "  Ctrl+C in a terminal ends the game\n"
        "\n"
        "Data: the first of these folders that exists is read:\n";
    for (const std::string& folder : dataFolders) text += "  " + folder + "\n";
    return text;
}
