#pragma once

#include <memory>
#include <string>
#include <vector>

// The program's console: standard streams, the command line, typed input.
namespace kv::console {

enum class Stream { In, Out, Err };
// Whether the stream is a terminal (a console window on Windows, not a pipe, a file or NUL).
bool IsTerminal(Stream stream);

// The character set the locale asks output in, as nl_langinfo names it; Windows: "UTF-8"
// (Prepare switched its console to UTF-8).
std::string LocaleCodeset();

// Windows: the console's input and output code pages to UTF-8, the standard
// streams untranslated (the same bytes as elsewhere, LF line ends). Elsewhere nothing.
void Prepare();

// The command line as UTF-8: Windows hands it over in UTF-16 (argv holds the ANSI
// code page's rendering, which loses every other character); elsewhere argv as it is.
std::vector<std::string> Arguments(int argc, char** argv);

// Typing on the standard input is not shown while it lives (a password), when
// that input is a terminal.
class HiddenInput {
public:
    HiddenInput();
    ~HiddenInput();
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;
    bool hiding() const { return state_ != nullptr; }

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kv::console
