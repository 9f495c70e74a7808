#include "cli/EmuleCommands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <iostream>

#include "cli/QmCatalog.h"
#include "cli/Texts.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "platform/Console.h"
#include "platform/HomeDirectories.h"
#include "settings/Home.h"
#include "usecases/EmuleSession.h"

namespace kv::cli {
namespace {

constexpr int kOk = 0;
constexpr int kCouldNotRun = 2;

std::string Visible(std::string_view bytes) { return VisibleControls(ToDisplayUtf8(bytes)); }

// One line from stdin; with echo off when it is typed on a terminal.
std::optional<std::string> ReadPassword(const EmuleConnectArgs& args, const AmuleIo& io) {
    if (!args.passwordStdin && !io.inTerminal) return std::nullopt;
    std::optional<console::HiddenInput> hidden;
    if (!args.passwordStdin) hidden.emplace();
    if (!args.passwordStdin) io.err << T(QT_TRANSLATE_NOOP("Cli", "eMule's Web Interface password: ")) << std::flush;
    std::string line;
    const bool read = static_cast<bool>(std::getline(io.in, line));
    if (hidden && hidden->hiding()) {
        hidden.reset();
        io.err << "\n";
    }
    if (!read) return std::nullopt;
    if (line.ends_with('\r')) line.pop_back();
    return line;
}

// Where to log in: HOST[:PORT], or this machine at the port of the local preferences.ini.
std::optional<EmuleConnection> Where(const HomeDirs& dirs, const EmuleConnectArgs& args, const AmuleIo& io) {
    if (!args.hostPort.empty()) {
        auto connection = ParseEmuleAddress(args.hostPort);
        if (!connection)
            io.err << T(QT_TRANSLATE_NOOP("Cli", "Not a host or host:port: %1"), {Visible(args.hostPort)}) << "\n";
        return connection;
    }
    std::string prefix;
    const std::string ini = LocalEmulePrefsPath(ProgramHome::At(dirs), UserHomeDirectory(), &prefix);
    const auto prefs = ini.empty() ? std::nullopt : ReadLocalEmulePrefs(ini, prefix);
    if (!prefs) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "No preferences.ini of eMule found: pass HOST[:PORT], or import eMule's "
                                             "preferences.ini first (kestrivane-cli import FILE)."))
               << "\n";
        return std::nullopt;
    }
    if (!prefs->enabled) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "eMule's Web Interface is off (Enabled in %1): turn it on in eMule's "
                                             "options, Web Interface, or pass HOST[:PORT]."),
                    {Visible(ini)})
               << "\n";
        return std::nullopt;
    }
    return prefs->connection;
}

std::string Failed(const EmuleFailure& failure) {
    if (failure.kind == EmuleFailure::Kind::NoConnection) return T(text::kNoEmuleConnection);
    return T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Check that eMule runs there with its Web Interface on, or run "
                                      "'kestrivane-cli emule connect' again."),
             {failure.Describe(), Visible(failure.where)});
}

std::string Row(const AmuleQueue& queue, const Ed2kHash& hash) {
    for (const Download& d : queue.downloads)
        if (d.hash == hash) return Visible(d.name) + " (" + hash.ToHex() + ")";
    return hash.ToHex();
}

bool ConfirmCancel(const AmuleQueue& queue, const std::vector<Ed2kHash>& hashes, const EmuleActArgs& args,
                   const AmuleIo& io) {
    if (args.action != AmuleAction::Cancel || args.yes) return true;
    if (!io.inTerminal) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "Cancelling deletes the downloads in eMule: pass --yes to confirm.")) << "\n";
        return false;
    }
    for (const Ed2kHash& hash : hashes) io.err << "  " << Row(queue, hash) << "\n";
    io.err << (hashes.size() == 1
                   ? T(QT_TRANSLATE_NOOP("Cli", "Cancel this download in eMule and delete what has arrived? [y/N] "))
                   : T(QT_TRANSLATE_NOOP("Cli", "Cancel %1 downloads in eMule and delete what has arrived? [y/N] "),
                       {std::to_string(hashes.size())}))
           << std::flush;
    std::string answer;
    std::getline(io.in, answer);
    if (ToLowerAscii(answer) == "y" || ToLowerAscii(answer) == "yes") return true;
    io.err << T(QT_TRANSLATE_NOOP("Cli", "Nothing cancelled.")) << "\n";
    return false;
}

}  // namespace

int RunEmuleConnect(const HomeDirs& dirs, const EmuleConnectArgs& args, const AmuleIo& io) {
    auto connection = Where(dirs, args, io);
    if (!connection) return kCouldNotRun;
    const auto password = ReadPassword(args, io);
    if (!password || password->empty()) {
        io.err << (password               ? T(QT_TRANSLATE_NOOP("Cli", "The password is empty."))
                   : args.passwordStdin ? T(QT_TRANSLATE_NOOP("Cli", "No password on the standard input."))
                                        : T(QT_TRANSLATE_NOOP("Cli", "No password: pass --password-stdin and give it "
                                                                     "on the standard input.")))
               << "\n";
        return kCouldNotRun;
    }
    connection->password = *password;
    const auto session = EmuleSession::OpenAt(*connection);
    if (!session) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Nothing stored."),
                    {session.error().Describe(), Visible(session.error().where)})
               << "\n";
        return kCouldNotRun;
    }
    const ProgramHome home = ProgramHome::At(dirs);
    const std::string file = EmuleConnectionPath(home);
    if (!StoreEmuleConnection(home, *connection)) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "Connected, but could not write %1."), {file}) << "\n";
        return kCouldNotRun;
    }
    if (!io.quiet)
        io.out << T(QT_TRANSLATE_NOOP("Cli", "Connected to eMule's Web Interface at %1; stored in %2."),
                    {Visible(session->Where()), file})
               << "\n";
    return kOk;
}

int RunEmuleAct(const HomeDirs& dirs, const EmuleActArgs& args, const AmuleIo& io) {
    auto session = EmuleSession::Open(ProgramHome::At(dirs));
    if (!session) {
        io.err << Failed(session.error()) << "\n";
        return kCouldNotRun;
    }
    const auto queue = session->Queue();
    if (!queue) {
        io.err << Failed(queue.error()) << "\n";
        return kCouldNotRun;
    }
    std::vector<Ed2kHash> hashes;
    bool all = true;
    for (const std::string& target : args.targets) {
        const auto hash = FindInAmuleQueue(*queue, target);
        if (!hash) {
            io.err << T(QT_TRANSLATE_NOOP("Cli", "eMule has no download %1."), {Visible(target)}) << "\n";
            all = false;
        } else if (std::ranges::find(hashes, *hash) == hashes.end()) {
            hashes.push_back(*hash);
        }
    }
    if (!all || !ConfirmCancel(*queue, hashes, args, io)) return kCouldNotRun;
    int status = kOk;
    for (const Ed2kHash& hash : hashes) {
        if (const auto done = session->Act(args.action, hash); !done) {
            io.err << text::ActionNotDone(args.action, Row(*queue, hash), done.error().Describe()) << "\n";
            status = kCouldNotRun;
            if (done.error().Broken()) break;
            continue;
        }
        if (!io.quiet) io.out << text::ActionDone(args.action, Row(*queue, hash)) << "\n";
    }
    return status;
}

namespace {

class Registered final : public AmuleCommands {
public:
    explicit Registered(CLI::App& app) {
        emule_ = app.add_subcommand(
            "emule", T(QT_TRANSLATE_NOOP("Cli", "Act in eMule over its Web Interface (on this machine, under Wine or "
                                                "on another machine)")));
        emule_->require_subcommand(1);
        connect_ = emule_->add_subcommand(
            "connect", T(QT_TRANSLATE_NOOP("Cli", "Log in to eMule's Web Interface and store where it is and its "
                                                  "password (readable by you only) for the other emule commands")));
        connect_->add_option("HOST[:PORT]", connectArgs_.hostPort,
                             T(QT_TRANSLATE_NOOP("Cli", "Where eMule's Web Interface listens (port default 4711); "
                                                        "none: this machine, at the port of the imported or detected "
                                                        "preferences.ini")));
        connect_->add_flag("--password-stdin", connectArgs_.passwordStdin,
                           T(QT_TRANSLATE_NOOP("Cli", "Read the password from the first line of the standard input")));
        for (const AmuleAction action : {AmuleAction::Pause, AmuleAction::Resume, AmuleAction::Stop, AmuleAction::Cancel})
            AddAction(action);
    }

    bool Parsed() const override { return emule_->parsed(); }

    int Run(const HomeDirs& dirs, bool quiet) override {
        const AmuleIo io{std::cin, std::cout, std::cerr, console::IsTerminal(console::Stream::In), quiet};
        if (connect_->parsed()) return RunEmuleConnect(dirs, connectArgs_, io);
        for (auto& [command, args] : actions_)
            if (command->parsed()) return RunEmuleAct(dirs, args, io);
        return kCouldNotRun;
    }

private:
    void AddAction(AmuleAction action) {
        static const char* const help[] = {
            QT_TRANSLATE_NOOP("Cli", "Pause downloads in eMule (undone with resume)"),
            QT_TRANSLATE_NOOP("Cli", "Resume paused or stopped downloads in eMule"),
            QT_TRANSLATE_NOOP("Cli", "Stop downloads in eMule (they keep their place but ask no sources)"),
            QT_TRANSLATE_NOOP("Cli", "Cancel downloads in eMule: deletes what has arrived; asks first on a terminal")};
        auto& [command, args] = actions_.emplace_back(nullptr, EmuleActArgs{action, {}, false});
        command = emule_->add_subcommand(AmuleActionName(action), T(help[static_cast<int>(action)]));
        command->add_option("HASH", args.targets, T(QT_TRANSLATE_NOOP("Cli", "A download by its ed2k hash")))->required();
        if (action == AmuleAction::Cancel)
            command->add_flag("--yes", args.yes, T(QT_TRANSLATE_NOOP("Cli", "Do not ask (for scripts)")));
    }

    CLI::App* emule_ = nullptr;
    CLI::App* connect_ = nullptr;
    EmuleConnectArgs connectArgs_;
    std::deque<std::pair<CLI::App*, EmuleActArgs>> actions_;
};

}  // namespace

std::unique_ptr<AmuleCommands> AddEmuleCommands(CLI::App& app) { return std::make_unique<Registered>(app); }

}  // namespace kv::cli
