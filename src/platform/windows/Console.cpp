#include "platform/Console.h"

// windows.h before the headers that build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "common/WindowsText.h"

namespace kv::console {

namespace {

HANDLE StdHandle(Stream stream) {
    return ::GetStdHandle(stream == Stream::In ? STD_INPUT_HANDLE
                          : stream == Stream::Out ? STD_OUTPUT_HANDLE
                                                  : STD_ERROR_HANDLE);
}

}  // namespace

// A console handle has a mode; NUL, which the C runtime's isatty calls a
// terminal, has none.
bool IsTerminal(Stream stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(StdHandle(stream), &mode) != 0;
}

std::string LocaleCodeset() { return "UTF-8"; }

void Prepare() {
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::_setmode(::_fileno(stdin), _O_BINARY);
}

std::vector<std::string> Arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(win::Utf8(wide[i]));
    ::LocalFree(wide);
    return args;
}

struct HiddenInput::State {
    DWORD saved = 0;
};

HiddenInput::HiddenInput() {
    auto state = std::make_unique<State>();
    const HANDLE in = StdHandle(Stream::In);
    if (!::GetConsoleMode(in, &state->saved)) return;
    ::FlushConsoleInputBuffer(in);
    ::SetConsoleMode(in, state->saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    state_ = std::move(state);
}

HiddenInput::~HiddenInput() {
    if (state_) ::SetConsoleMode(StdHandle(Stream::In), state_->saved);
}

}  // namespace kv::console
