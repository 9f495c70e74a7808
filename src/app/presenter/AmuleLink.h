#pragma once

#include <optional>
#include <string>

#include "settings/Home.h"
#include "usecases/AmuleSession.h"

namespace kv {

// What the options dialog's aMule group holds. The password is never kept:
// only its MD5, which is what aMule checks.
struct AmuleLogin {
    std::string host;  // trimmed by the dialog
    std::string port;
    std::string password;     // "" = use passwordMd5
    std::string passwordMd5;  // the local amule.conf's, when that was taken
};

// The connection the login describes; the text of what is wrong otherwise.
std::optional<AmuleConnection> LoginSettings(const AmuleLogin& login, std::string& wrong);

// Logs in to aMule and, only when that worked, stores the connection for the
// window and the CLI. "" on success (version: the daemon's), else the failure.
std::string ConnectAndStoreAmule(const ProgramHome& home, const AmuleLogin& login, std::string& version);

// The External Connections settings of the user's own aMule (~/.aMule/amule.conf).
std::optional<LocalAmuleConf> LocalAmule(const std::string& userHome);

// The connection stored by the window or `kestrivane-cli amule connect`.
std::optional<AmuleConnection> StoredAmule(const ProgramHome& home);

}  // namespace kv
