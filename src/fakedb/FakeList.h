#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// One FAKES.DAT line that is not a record (for the optional diagnostic).
struct SkippedFakeLine {
    int32_t index;  // line index, counting from 0
    std::string line;
};

// Parses the bytes of a fake list into TAB records (field 1, field 2, field 3,
// each closed by a TAB), in file order. CR LF ends a line; so does a lone LF
// (a CR before it dropped). Lines whose field 1 is empty are reported in skipped.
std::vector<std::string> ParseFakeList(const std::string& content,
                                       std::vector<SkippedFakeLine>* skipped = nullptr);

// Rebuilds state.gFakeIndex from state.gFakeDB.
void BuildFakeIndex(AppState& state);

// Index of the first record in state.gFakeDB holding hashText (32 lower-case hex
// digits) anywhere, without regard to case; -1 for none or an empty hashText.
int32_t FindFakeRecord(const AppState& state, const std::string& hashText);

// The fake list's path: the program directory and gFakesFileName.
std::string FakesDatPath(const AppState& state);

// Loads FakesDatPath(state) into state.gFakeDB (and the index);
// the caption gets " / Total " N " Fakes in DB", or the status line tells the
// file is missing.
void LoadFakeList(AppState& state, MainView& view);

// The same from another file (the command line's --fakes).
void LoadFakeListFrom(AppState& state, MainView& view, const std::string& path);

}  // namespace kv
