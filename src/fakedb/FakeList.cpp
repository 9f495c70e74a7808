#include "fakedb/FakeList.h"

#include <cstdlib>
#include <string_view>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "settings/Paths.h"

namespace kv {

namespace {

constexpr size_t kHashDigits = 32;

// Value of a hex digit (either case), -1 for any other byte; a table, since
// indexing a large list looks at every byte of it.
struct HexTable {
    int8_t value[256];
    constexpr HexTable() : value() {
        for (int c = 0; c < 256; ++c) value[c] = -1;
        for (int c = 0; c < 10; ++c) value['0' + c] = static_cast<int8_t>(c);
        for (int c = 0; c < 6; ++c) {
            value['a' + c] = static_cast<int8_t>(10 + c);
            value['A' + c] = static_cast<int8_t>(10 + c);
        }
    }
};
constexpr HexTable kHex;

inline int HexValue(char c) { return kHex.value[static_cast<unsigned char>(c)]; }

// 32 hex digits (either case) as their 16 bytes; false for anything else.
bool ToHashKey(std::string_view text, FakeHashKey& key) {
    if (text.size() != kHashDigits) return false;
    uint64_t half[2] = {0, 0};
    for (size_t i = 0; i < kHashDigits; ++i) {
        const int v = HexValue(text[i]);
        if (v < 0) return false;
        half[i / 16] = (half[i / 16] << 4) | static_cast<uint64_t>(v);
    }
    key = {half[0], half[1]};
    return true;
}

bool DiagnosticWanted(const AppState& state) {
    if (ToUpperAscii(state.gShowFakesDatErrors) == "YES") return true;
    const char* env = std::getenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS");
    return env != nullptr && ToUpperAscii(env) == "YES";
}

}  // namespace

std::vector<std::string> ParseFakeList(const std::string& content, std::vector<SkippedFakeLine>* skipped) {
    std::vector<std::string> records;
    int32_t index = 0;
    size_t start = 0;
    while (start <= content.size()) {
        size_t end = content.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = content.size();
        std::string_view line(content.data() + start, end - start);
        // Lists edited on Linux or served by web servers end lines in LF alone.
        if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);

        const size_t p1 = line.find(',');
        if (p1 == 0) {
            if (skipped) skipped->push_back({index, std::string(line)});
        } else if (p1 != std::string_view::npos) {
            const size_t p2 = line.find(',', p1 + 1);
            std::string record;
            record.reserve(line.size() + 3);
            record.append(line.substr(0, p1));
            record += TAB;
            if (p2 == std::string_view::npos) {
                // Hash and one more field: kept, the field after the comma as description.
                record += TAB;
                record.append(line.substr(p1 + 1));
            } else {
                record.append(line.substr(p1 + 1, p2 - p1 - 1));
                record += TAB;
                record.append(line.substr(p2 + 1));
            }
            record += TAB;
            AppendToArray(records, std::move(record), -1);
        }
        ++index;
        if (last) break;
        start = end + 1;
    }
    return records;
}

void BuildFakeIndex(AppState& state) {
    state.gFakeIndex.clear();
    state.gFakeIndex.reserve(state.gFakeDB.size());
    for (size_t r = 0; r < state.gFakeDB.size(); ++r) {
        const std::string& record = state.gFakeDB[r];
        const size_t n = record.size();
        size_t start = 0;  // the earliest place a run of 32 hex digits may begin
        while (start + kHashDigits <= n) {
            // Look at the window from its end: a byte that is no hex digit rules
            // out every window up to it, so most of a description is skipped.
            size_t k = start + kHashDigits;
            while (k > start && HexValue(record[k - 1]) >= 0) --k;
            if (k > start) {
                start = k;
                continue;
            }
            FakeHashKey key;
            ToHashKey(std::string_view(record).substr(start, kHashDigits), key);
            // The first record holding a hash wins, as a scan in file order would find it.
            state.gFakeIndex.emplace(key, static_cast<int32_t>(r));
            // A longer run holds one more window per further digit.
            size_t end = start + kHashDigits;
            for (int v; end < n && (v = HexValue(record[end])) >= 0; ++end) {
                key.high = (key.high << 4) | (key.low >> 60);
                key.low = (key.low << 4) | static_cast<uint64_t>(v);
                state.gFakeIndex.emplace(key, static_cast<int32_t>(r));
            }
            start = end + 1;
        }
    }
}

int32_t FindFakeRecord(const AppState& state, const std::string& hashText) {
    if (hashText.empty()) return -1;
    FakeHashKey key;
    if (ToHashKey(hashText, key)) {
        const auto it = state.gFakeIndex.find(key);
        return it == state.gFakeIndex.end() ? -1 : it->second;
    }
    // Not a hash text: the index cannot answer, so look the plain way.
    for (size_t r = 0; r < state.gFakeDB.size(); ++r)
        if (ContainsNoCase(state.gFakeDB[r], hashText)) return static_cast<int32_t>(r);
    return -1;
}

void LoadFakeListFrom(AppState& state, MainView& view, const std::string& path) {
    state.gFakeDB.clear();
    state.gFakeIndex.clear();

    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content || content->empty()) {
        view.SetStatus("File " + path + " not found! Please download FAKE-DB!", "0");
        return;
    }

    std::vector<SkippedFakeLine> skipped;
    state.gFakeDB = ParseFakeList(*content, &skipped);
    BuildFakeIndex(state);

    if (DiagnosticWanted(state)) {
        for (const auto& s : skipped)
            view.MessageBox("Fehler in der FAKES.DAT, Linie" + DecimalText(s.index) + "\r\nEingelesene Zeile:\r\n" +
                                s.line,
                            kMbOk, kAppTitle);
    }

    view.SetCaption(state.gVersionText + " / Total " + DecimalText(static_cast<int64_t>(state.gFakeDB.size()), true) +
                    " Fakes in DB");
}

std::string FakesDatPath(const AppState& state) { return JoinPath(state.programDir, state.gFakesFileName); }

void LoadFakeList(AppState& state, MainView& view) {
    LoadFakeListFrom(state, view, FakesDatPath(state));
}

}  // namespace kv
