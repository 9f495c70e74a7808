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

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsHashText(std::string_view text) {
    if (text.size() != kHashDigits) return false;
    for (char c : text)
        if (!IsHexDigit(c)) return false;
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
    std::string window;
    for (size_t r = 0; r < state.gFakeDB.size(); ++r) {
        const std::string& record = state.gFakeDB[r];
        size_t run = 0;  // hex digits ending at position i
        for (size_t i = 0; i < record.size(); ++i) {
            run = IsHexDigit(record[i]) ? run + 1 : 0;
            if (run < kHashDigits) continue;
            window = ToLowerAscii(std::string_view(record).substr(i + 1 - kHashDigits, kHashDigits));
            // The first record holding a hash wins, as a scan in file order would find it.
            state.gFakeIndex.emplace(window, static_cast<int32_t>(r));
        }
    }
}

int32_t FindFakeRecord(const AppState& state, const std::string& hashText) {
    if (hashText.empty()) return -1;
    if (IsHashText(hashText)) {
        const auto it = state.gFakeIndex.find(ToLowerAscii(hashText));
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

void LoadFakeList(AppState& state, MainView& view) {
    LoadFakeListFrom(state, view, JoinPath(state.programDir, "FAKES.DAT"));
}

}  // namespace kv
