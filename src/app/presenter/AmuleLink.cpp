#include "app/presenter/AmuleLink.h"

#include "app/presenter/Messages.h"
#include "clients/amule/AmuleClient.h"
#include "common/Paths.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "ed2k/Ed2kHash.h"
#include "ed2k/Md5.h"
#include "usecases/AmuleCheck.h"

namespace kv {

std::optional<ec::ConnectionSettings> LoginSettings(const AmuleLogin& login, std::string& wrong) {
    const std::string& host = login.host;
    const std::string& port = login.port;
    // An IPv6 address takes brackets before its port.
    const bool v6 = host.find(':') != std::string::npos && !host.starts_with('[');
    const std::string endpoint = (v6 ? "[" + host + "]" : host) + (port.empty() ? "" : ":" + port);
    std::optional<ec::ConnectionSettings> settings = ec::ParseHostPort(endpoint);
    if (!settings) {
        wrong = msg::AmuleNotHostPort(endpoint);
        return std::nullopt;
    }
    if (!login.password.empty()) {
        settings->passwordMd5 = HashText(Md5(login.password).data());
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
    const std::optional<ec::ConnectionSettings> settings = LoginSettings(login, wrong);
    if (!settings) return wrong;
    auto client = ec::AmuleClient::Connect(*settings, AmuleIdentity());
    if (!client) return msg::AmuleNotConnected(ec::Describe(client.error()));
    if (!ec::StoreConnection(AmuleConnectionPath(home), *settings)) return msg::CouldNotWrite(AmuleConnectionPath(home));
    version = client->ServerVersion();
    return "";
}

std::optional<ec::AmuleConfEc> LocalAmule(const std::string& userHome) {
    return ec::ReadAmuleConfEc(JoinPath(JoinPath(userHome, ".aMule"), "amule.conf"));
}

ec::AmuleClient::Identity AmuleIdentity() {
    return {"kestrivane",
            std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision)};
}

std::optional<ec::ConnectionSettings> StoredAmule(const ProgramHome& home) {
    return ec::ReadStoredConnection(AmuleConnectionPath(home));
}

}  // namespace kv
