// Before the window: what the command line asks for, and which folders may hold Data.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
#include "platform/data_path.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, TheFirstDecisiveArgumentWins) {
    struct Case {
        std::vector<const char*> arguments;
        CommandAction action;
        const char* mistake;
    };
    // clang-format off
    const Case cases[] = {
        {{}, CommandAction::kPlay, ""},
        {{"-h", "--version"}, CommandAction::kHelp, ""},
        {{"--version", "--help"}, CommandAction::kVersion, ""},
        // GLUT's own options and their values are left for GLUT.
        {{"-display", ":3", "-geometry", "1024x768+0+0", "-iconic"}, CommandAction::kPlay, ""},
        {{"-display", "--help"}, CommandAction::kPlay, ""},
        {{"-sync", "--version"}, CommandAction::kVersion, ""},
        {{"-geometry"}, CommandAction::kMistake, "option -geometry needs a value"},
        {{"--fullscreen", "--help"}, CommandAction::kMistake, "unknown option --fullscreen"},
        {{"-"}, CommandAction::kMistake, "unknown option -"},
        {{"-help"}, CommandAction::kMistake, "unknown option -help"},
        {{"Data"}, CommandAction::kMistake, "unexpected argument Data"},
        {{""}, CommandAction::kMistake, "unexpected argument "},
    };
    // clang-format on
    for (Case c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments[0]);
        c.arguments.insert(c.arguments.begin(), "escape-house");
        const CommandLine command =
            ParseCommandLine(static_cast<int>(c.arguments.size()), c.arguments.data());
        EXPECT_EQ(command.action, c.action);
        EXPECT_EQ(command.mistake, c.mistake);
    }
    const std::string usage = UsageText({"./Data", "/opt/share/games/escape-house/Data"});
    EXPECT_NE(usage.find("\n  ./Data\n  /opt/share/games/escape-house/Data\n"), std::string::npos)
        << usage;
}

TEST(DataPathTest, TheBuildFolderIsTriedOnlyByItsOwnBinaries) {
    const fs::path build = fs::temp_directory_path();
    const struct {
        fs::path programFolder;
        std::vector<std::string> roots;
    } cases[] = {
        // Installed: the data set beside games/, the path made plain.
        {"/usr/games", {".", "/usr/share/games/escape-house"}},
        {"/home/p/unpacked/games/", {".", "/home/p/unpacked/share/games/escape-house"}},
        // The build's own binary also falls back to the build folder.
        {build,
         {".", (build / "../share/games/escape-house").lexically_normal().string(),
          build.string()}},
        // The binary's folder unknown: only the current folder is left.
        {"", {"."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataRootsFor(c.programFolder, "../share/games/escape-house", build), c.roots)
            << c.programFolder;
    }
    EXPECT_TRUE(fs::equivalent(ProgramFolder(), ESCAPE_HOUSE_BUILD_DIR));
}

}  // namespace
