#include "app/presenter/CommandLine.h"

#include <filesystem>

#include "common/Version.h"

namespace kv {

namespace {

std::string HelpText() {
    return "Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.\n"
           "Usage: kestrivane [OPTIONS]\n"
           "\n"
           "Options:\n"
           "  -h,--help                   Print this help message and exit\n"
           "  --version                   Print the version and exit\n"
           "  --home DIR                  Directory holding Kestrivane.ini and FAKES.DAT; must exist (default: "
           "$KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when installed, the program's "
           "own directory when portable)\n";
}

GuiCommandLine Exit(int code, std::string out, std::string err) {
    GuiCommandLine c;
    c.run = false, c.exitCode = code, c.out = std::move(out), c.err = std::move(err);
    return c;
}

// Qt's own options that take a value (QGuiApplication and QApplication read them).
bool QtOptionWithValue(const std::string& a) {
    static const char* const kNames[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-style",
                                         "-stylesheet", "-session", "-display", "-geometry", "-qwindowgeometry",
                                         "-qwindowtitle", "-qwindowicon"};
    for (const char* n : kNames)
        if (a == n) return true;
    return false;
}

GuiCommandLine UsageError(const std::string& text) { return Exit(2, "", text + "\nRun with --help for more information.\n"); }

}  // namespace

GuiCommandLine ParseGuiCommandLine(const std::vector<std::string>& args) {
    GuiCommandLine c;
    std::optional<std::string> home;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") return Exit(0, HelpText(), "");
        if (a == "--version") {
            return Exit(0, "kestrivane " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                               std::to_string(kVersionRevision) + "\n", "");
        }
        if (a == "--home" || a.starts_with("--home=")) {
            if (a == "--home" && i + 1 >= args.size()) return UsageError("--home: 1 required DIR missing");
            home = a == "--home" ? args[++i] : a.substr(7);
            continue;
        }
        if (QtOptionWithValue(a)) {
            ++i;
            continue;
        }
        if (a.starts_with("--") || !a.starts_with("-")) return UsageError("The following argument was not expected: " + a);
    }
    if (home) {
        std::error_code ec;
        std::string path = *home;
        const auto absolute = std::filesystem::absolute(path, ec);
        if (!ec) path = absolute.lexically_normal().string();
        if (path.size() > 1 && path.back() == '/') path.pop_back();
        if (!std::filesystem::is_directory(path, ec)) return Exit(2, "", "--home " + path + ": no such directory.\n");
        c.home = path;
    }
    return c;
}

}  // namespace kv
