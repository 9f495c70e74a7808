#include "app/presenter/AmuleLink.h"

#include "app/presenter/Messages.h"
#include "common/Paths.h"
#include "ed2k/Ed2kHash.h"

namespace kv {

std::optional<AmuleConnection> LoginSettings(const AmuleLogin& login, std::string& wrong) {
    const std::string& host = login.host;
    const std::string& port = login.port;
    // An IPv6 address takes brackets before its port.
    const bool v6 = host.find(':') != std::string::npos && !host.starts_with('[');
    const std::string endpoint = (v6 ? "[" + host + "]" : host) + (port.empty() ? "" : ":" + port);
    std::optional<AmuleConnection> settings = ParseAmuleAddress(endpoint);
    if (!settings) {
        wrong = msg::AmuleNotHostPort(endpoint);
        return std::nullopt;
    }
    if (!login.password.empty()) {
        settings->passwordMd5 = AmulePasswordMd5(login.password);
    } else if (Ed2kHash::FromHex(login.passwordMd5)) {
        settings->passwordMd5 = login.passwordMd5;
    } else {
        wrong = msg::AmuleNoPassword();
        return std::nullopt;
    }
    return settings;
}

std::string ConnectAndStoreAmule(const ProgramHome& home, const AmuleLogin& login, std::string& version) {
    std::string wrong;
    const std::optional<AmuleConnection> settings = LoginSettings(login, wrong);
    if (!settings) return wrong;
    const auto session = AmuleSession::OpenAt(*settings);
    if (!session) return msg::AmuleNotConnected(session.error().Describe());
    if (!StoreAmuleConnection(home, *settings)) return msg::CouldNotWrite(AmuleConnectionPath(home));
    version = session->ServerVersion();
    return "";
}

std::optional<LocalAmuleConf> LocalAmule(const std::string& userHome) {
    return ReadLocalAmuleConf(JoinPath(JoinPath(userHome, ".aMule"), "amule.conf"));
}

std::optional<AmuleConnection> StoredAmule(const ProgramHome& home) { return StoredAmuleConnection(home); }

}  // namespace kv
