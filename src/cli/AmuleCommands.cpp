#include "platform/Console.h"
#include "cli/AmuleCommands.h"


#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <iostream>

#include "cli/QmCatalog.h"
#include "cli/Texts.h"
#include "platform/HomeDirectories.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "settings/Home.h"

namespace kv::cli {
namespace {

constexpr int kOk = 0;
constexpr int kCouldNotRun = 2;

std::string Visible(std::string_view bytes) { return VisibleControls(ToDisplayUtf8(bytes)); }

// Reads one line; with echo off when it comes from a terminal.
std::optional<std::string> ReadPassword(const AmuleConnectArgs& args, const AmuleIo& io) {
    if (!args.passwordStdin && !io.inTerminal) return std::nullopt;
    // Echo goes off before the prompt: what is typed after it must not be flushed.
    std::optional<console::HiddenInput> hidden;
    if (!args.passwordStdin) hidden.emplace();
    if (!args.passwordStdin) io.err << T(QT_TRANSLATE_NOOP("Cli", "aMule's External Connections password: ")) << std::flush;
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

// The connection to use: HOST[:PORT] with a password, or the local amule.conf's settings.
std::optional<AmuleConnection> ConnectionToTry(const HomeDirs& dirs, const AmuleConnectArgs& args,
                                                      const AmuleIo& io) {
    if (!args.hostPort.empty()) {
        auto settings = ParseAmuleAddress(args.hostPort);
        if (!settings) {
            io.err << T(QT_TRANSLATE_NOOP("Cli", "Not a host or host:port: %1"), {Visible(args.hostPort)}) << "\n";
            return std::nullopt;
        }
        const auto password = ReadPassword(args, io);
        if (!password || password->empty()) {
            io.err << (password               ? T(QT_TRANSLATE_NOOP("Cli", "The password is empty."))
                       : args.passwordStdin ? T(QT_TRANSLATE_NOOP("Cli", "No password on the standard input."))
                                            : T(QT_TRANSLATE_NOOP("Cli", "No password: pass --password-stdin and give it "
                                                                         "on the standard input.")))
                   << "\n";
            return std::nullopt;
        }
        settings->passwordMd5 = AmulePasswordMd5(*password);
        return settings;
    }
    const std::string conf = LocalAmuleConfPath(ProgramHome::At(dirs), UserHomeDirectory());
    const auto ec = conf.empty() ? std::nullopt : ReadLocalAmuleConf(conf);
    if (!ec) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "No amule.conf found: pass HOST[:PORT], or import aMule's amule.conf "
                                             "first (kestrivane-cli import FILE)."))
               << "\n";
        return std::nullopt;
    }
    if (!ec->accepted) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "aMule does not accept External Connections (AcceptExternalConnections in "
                                             "%1): turn on remote controls in aMule's preferences, or pass HOST[:PORT]."),
                    {Visible(conf)})
               << "\n";
        return std::nullopt;
    }
    if (!ec->hasPassword) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "aMule has no External Connections password set (ECPassword in %1)."),
                    {Visible(conf)})
               << "\n";
        return std::nullopt;
    }
    return ec->connection;
}

// What went wrong, where, and what to do next, in one line.
std::string Failed(const AmuleFailure& failure) {
    if (failure.kind == AmuleFailure::Kind::NoConnection) return T(text::kNoAmuleConnection);
    return T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Check that aMule runs there and accepts External Connections, or run "
                                      "'kestrivane-cli amule connect' again."),
             {failure.Describe(), Visible(failure.where)});
}

std::string Row(const AmuleQueue& queue, const Ed2kHash& hash) {
    for (const Download& d : queue.downloads)
        if (d.hash == hash) return Visible(d.name) + " (" + d.metFile + ", " + hash.ToHex() + ")";
    return hash.ToHex();
}

// Every target as a download of the queue; nullopt (each miss reported) when one is not there.
std::optional<std::vector<Ed2kHash>> ResolveAll(const AmuleQueue& queue, const std::vector<std::string>& targets,
                                                const AmuleIo& io) {
    std::vector<Ed2kHash> hashes;
    bool all = true;
    for (const std::string& target : targets) {
        const auto hash = FindInAmuleQueue(queue, target);
        if (!hash) {
            io.err << T(QT_TRANSLATE_NOOP("Cli", "aMule has no download %1."), {Visible(target)}) << "\n";
            all = false;
        } else if (std::ranges::find(hashes, *hash) == hashes.end()) {
            hashes.push_back(*hash);
        }
    }
    if (!all) return std::nullopt;
    return hashes;
}

// Cancelling deletes what has arrived: asked on a terminal, refused in a script without --yes.
bool ConfirmCancel(const AmuleQueue& queue, const std::vector<Ed2kHash>& hashes, const AmuleActArgs& args,
                   const AmuleIo& io) {
    if (args.action != AmuleAction::Cancel || args.yes) return true;
    if (!io.inTerminal) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "Cancelling deletes the downloads in aMule: pass --yes to confirm.")) << "\n";
        return false;
    }
    for (const Ed2kHash& hash : hashes) io.err << "  " << Row(queue, hash) << "\n";
    // The answer stays y or yes in every language: the prompt keeps [y/N].
    io.err << (hashes.size() == 1
                   ? T(QT_TRANSLATE_NOOP("Cli", "Cancel this download in aMule and delete what has arrived? [y/N] "))
                   : T(QT_TRANSLATE_NOOP("Cli", "Cancel %1 downloads in aMule and delete what has arrived? [y/N] "),
                       {std::to_string(hashes.size())}))
           << std::flush;
    std::string answer;
    std::getline(io.in, answer);
    if (ToLowerAscii(answer) == "y" || ToLowerAscii(answer) == "yes") return true;
    io.err << T(QT_TRANSLATE_NOOP("Cli", "Nothing cancelled.")) << "\n";
    return false;
}

}  // namespace

int RunAmuleConnect(const HomeDirs& dirs, const AmuleConnectArgs& args, const AmuleIo& io) {
    const auto settings = ConnectionToTry(dirs, args, io);
    if (!settings) return kCouldNotRun;
    const auto session = AmuleSession::OpenAt(*settings);
    if (!session) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Nothing stored."),
                    {session.error().Describe(), Visible(session.error().where)})
               << "\n";
        return kCouldNotRun;
    }
    const ProgramHome home = ProgramHome::At(dirs);
    const std::string file = AmuleConnectionPath(home);
    if (!StoreAmuleConnection(home, *settings)) {
        io.err << T(QT_TRANSLATE_NOOP("Cli", "Connected, but could not write %1."), {file}) << "\n";
        return kCouldNotRun;
    }
    if (io.quiet) return kOk;
    const std::string& version = session->ServerVersion();
    const std::string shownVersion =
        version.empty() ? T(QT_TRANSLATE_NOOP("Cli", "(version not given)")) : Visible(version);
    io.out << T(QT_TRANSLATE_NOOP("Cli", "Connected to aMule %1 at %2; stored in %3."),
                {shownVersion, Visible(session->Where()), file})
           << "\n";
    return kOk;
}

int RunAmuleAct(const HomeDirs& dirs, const AmuleActArgs& args, const AmuleIo& io) {
    auto session = AmuleSession::Open(ProgramHome::At(dirs));
    if (!session) {
        io.err << Failed(session.error()) << "\n";
        return kCouldNotRun;
    }
    const auto queue = session->Queue();
    if (!queue) {
        io.err << Failed(queue.error()) << "\n";
        return kCouldNotRun;
    }
    const auto hashes = ResolveAll(*queue, args.targets, io);
    if (!hashes || !ConfirmCancel(*queue, *hashes, args, io)) return kCouldNotRun;
    int status = kOk;
    for (const Ed2kHash& hash : *hashes) {
        if (const auto done = session->Act(args.action, hash); !done) {
            io.err << text::ActionNotDone(args.action, Row(*queue, hash), done.error().Describe()) << "\n";
            status = kCouldNotRun;
            // A broken connection fails every one after it the same way.
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
        amule_ = app.add_subcommand("amule", T(QT_TRANSLATE_NOOP("Cli", "Act in aMule over its External Connections (amuled, the remote GUI's "
                                             "daemon, on this machine or another)")));
        amule_->require_subcommand(1);
        connect_ = amule_->add_subcommand(
            "connect", T(QT_TRANSLATE_NOOP("Cli", "Log in to aMule and store the connection (host, port, the password's MD5) for the "
                       "other amule commands; prints the aMule version reached")));
        connect_->add_option("HOST[:PORT]", connectArgs_.hostPort,
                             T(QT_TRANSLATE_NOOP("Cli", "Where aMule listens (port default 4712); none: the EC settings of the imported or "
                             "detected amule.conf, no password asked")));
        connect_->add_flag("--password-stdin", connectArgs_.passwordStdin,
                           T(QT_TRANSLATE_NOOP("Cli", "Read the password from the first line of the standard input")));
        for (const AmuleAction action : {AmuleAction::Pause, AmuleAction::Resume, AmuleAction::Stop, AmuleAction::Cancel})
            AddAction(action);
    }

    bool Parsed() const override { return amule_->parsed(); }

    int Run(const HomeDirs& dirs, bool quiet) override {
        const AmuleIo io{std::cin, std::cout, std::cerr, console::IsTerminal(console::Stream::In), quiet};
        if (connect_->parsed()) return RunAmuleConnect(dirs, connectArgs_, io);
        for (auto& [command, args] : actions_)
            if (command->parsed()) return RunAmuleAct(dirs, args, io);
        return kCouldNotRun;
    }

private:
    void AddAction(AmuleAction action) {
        static const char* const help[] = {QT_TRANSLATE_NOOP("Cli", "Pause downloads in aMule (undone with resume)"),
                                           QT_TRANSLATE_NOOP("Cli", "Resume paused or stopped downloads in aMule"),
                                           QT_TRANSLATE_NOOP("Cli", "Stop downloads in aMule (they keep their place but ask no sources)"),
                                           QT_TRANSLATE_NOOP("Cli", "Cancel downloads in aMule: deletes what has arrived and lists the hash "
                                           "in aMule's canceled.met; asks first on a terminal")};
        auto& [command, args] = actions_.emplace_back(nullptr, AmuleActArgs{action, {}, false});
        command = amule_->add_subcommand(AmuleActionName(action), T(help[static_cast<int>(action)]));
        command->add_option("PART|HASH", args.targets, T(QT_TRANSLATE_NOOP("Cli", "A download by its part file (001, 001.part) or its ed2k hash")))
            ->required();
        if (action == AmuleAction::Cancel) command->add_flag("--yes", args.yes, T(QT_TRANSLATE_NOOP("Cli", "Do not ask (for scripts)")));
    }

    CLI::App* amule_ = nullptr;
    CLI::App* connect_ = nullptr;
    AmuleConnectArgs connectArgs_;
    std::deque<std::pair<CLI::App*, AmuleActArgs>> actions_;  // stable addresses for the bound options
};

}  // namespace

std::unique_ptr<AmuleCommands> AddAmuleCommands(CLI::App& app) { return std::make_unique<Registered>(app); }

}  // namespace kv::cli
