#include "cli/ServeCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "cli/Commands.h"
#include "cli/DirectoryWatch.h"
#include "cli/QmCatalog.h"
#include "cli/Terminal.h"
#include "cli/Texts.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "web/Serve.h"

namespace kv::cli {

namespace {

// "127.0.0.1:4719", "[::1]:4719", "0.0.0.0" (the default port); false when it is none of these.
bool ParseListen(const std::string& text, web::ServeOptions& options) {
    std::string host = text, port;
    if (text.starts_with('[')) {
        const size_t close = text.find(']');
        if (close == std::string::npos) return false;
        host = text.substr(1, close - 1);
        if (close + 1 < text.size()) {
            if (text[close + 1] != ':') return false;
            port = text.substr(close + 2);
        }
    } else if (const size_t colon = text.rfind(':'); colon != std::string::npos && text.find(':') == colon) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (host.empty()) return false;
    options.host = host;
    if (text.find(':') != std::string::npos && !text.starts_with('[') && port.empty()) return false;
    if (port.empty()) return true;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec != std::errc() || end != port.data() + port.size() || value > 65535) return false;
    options.port = static_cast<uint16_t>(value);
    return true;
}

std::string Shown(std::string_view bytes) { return VisibleControls(ToDisplayUtf8(bytes)); }

class Serve final : public ServeCommand {
public:
    explicit Serve(CLI::App& app) {
        command_ = app.add_subcommand(
            "serve", T(QT_TRANSLATE_NOOP("Cli", "Watch the downloads and show the findings as a web page and a JSON API "
                                                "(on this machine only, unless --listen says otherwise)")));
        command_->add_option("--listen", listen_,
                             T(QT_TRANSLATE_NOOP("Cli", "Address and port to listen on (default 127.0.0.1:4719; "
                                                        "0.0.0.0:PORT for every network)")))
            ->type_name("ADDR:PORT");
        command_->add_option("--token-file", options_.tokenFile,
                             T(QT_TRANSLATE_NOOP("Cli", "File holding the access token (default: serve-token beside the "
                                                        "lists; made when missing, readable by you only)")))
            ->type_name("FILE");
        command_->add_option("--allow-host", options_.allowedHosts,
                             T(QT_TRANSLATE_NOOP("Cli", "A name the page may be opened by besides this machine's own "
                                                        "name and addresses (repeatable)")))
            ->type_name("NAME");
        command_->add_option("--temp-dir", options_.tempDir,
                             T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        command_->add_option("--fakes", options_.fakesFile,
                             T(QT_TRANSLATE_NOOP("Cli", "Fake list to use instead of FAKES.DAT")))
            ->type_name("FILE");
        command_->add_flag("--notify-desktop", notifyDesktop_,
                           T(QT_TRANSLATE_NOOP("Cli", "Show each finding as a desktop notification (the session bus's "
                                                      "Notifications service)")));
    }

    bool Parsed() const override { return command_->parsed(); }

    int Run(const HomeDirs& dirs, const Output& o) override {
        if (!listen_.empty() && !ParseListen(listen_, options_)) {
            o.err << T(QT_TRANSLATE_NOOP("Cli", "--listen %1: not an address and port (such as 127.0.0.1:4719)."),
                       {Shown(listen_)})
                  << '\n';
            return kExitError;
        }
        const Say say = [&](const std::string& line) { o.err << Shown(line) << '\n' << std::flush; };
        DirectoryWatch watch(say, nullptr);
        if (!watch.Failure().empty()) {
            o.err << Shown(watch.Failure()) << '\n';
            return kExitError;
        }
        std::optional<Notices> notify(std::in_place, std::string(), notifyDesktop_, o);
        web::ServeReports reports;
        if (notify->Any()) reports.finding = [&](const Finding& f) { notify->Post(NoticeOf(f)); };
        reports.listening = [&](const std::string& address) {
            // On standard output, alone on its line: a script or a service log finds it there.
            if (!o.quiet)
                o.err << T(QT_TRANSLATE_NOOP("Cli", "Serving the page; open this address (it holds the access token):"))
                      << '\n';
            o.out << address << '\n' << std::flush;
        };
        reports.problem = [&](const CheckFailure& failure) {
            o.err << FlattenToOneLine(ToDisplayUtf8(text::CheckFailed(failure))) << '\n' << std::flush;
        };
        const auto served = web::RunServe(dirs, options_, watch, reports);
        notify.reset();
        if (served) return kExitOk;
        const web::ServeFailure& f = served.error();
        switch (f.kind) {
            case web::ServeFailure::Kind::Busy:
                o.err << T(QT_TRANSLATE_NOOP("Cli", "Another '%1' (process %2) serves %3 already."),
                           {f.holder && !f.holder->program.empty() ? f.holder->program : "kestrivane-cli serve",
                            std::to_string(f.holder ? f.holder->pid : 0), Shown(f.path)})
                      << '\n';
                break;
            case web::ServeFailure::Kind::Token:
                o.err << T(QT_TRANSLATE_NOOP("Cli", "Cannot read or make the token file %1: %2"),
                           {Shown(f.path), Shown(f.cause)})
                      << '\n';
                break;
            case web::ServeFailure::Kind::Listen:
                o.err << T(QT_TRANSLATE_NOOP("Cli", "Cannot listen on %1: %2"), {Shown(f.path), Shown(f.cause)})
                      << '\n';
                break;
        }
        return kExitError;
    }

private:
    CLI::App* command_ = nullptr;
    std::string listen_;
    bool notifyDesktop_ = false;
    web::ServeOptions options_;
};

}  // namespace

std::unique_ptr<ServeCommand> AddServeCommand(CLI::App& app) { return std::make_unique<Serve>(app); }

}  // namespace kv::cli
