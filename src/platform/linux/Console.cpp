#include "platform/Console.h"

#include <langinfo.h>
#include <termios.h>
#include <unistd.h>

namespace kv::console {

bool IsTerminal(Stream stream) {
    const int fd = stream == Stream::In ? STDIN_FILENO : stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

std::string LocaleCodeset() { return ::nl_langinfo(CODESET); }

void Prepare() {}

std::vector<std::string> Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

struct HiddenInput::State {
    termios saved{};
};

HiddenInput::HiddenInput() {
    auto state = std::make_unique<State>();
    if (::tcgetattr(STDIN_FILENO, &state->saved) != 0) return;
    termios quiet = state->saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    // TCSAFLUSH: what was typed before echo went off is not taken as the answer.
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    state_ = std::move(state);
}

HiddenInput::~HiddenInput() {
    if (state_) ::tcsetattr(STDIN_FILENO, TCSANOW, &state_->saved);
}

}  // namespace kv::console
