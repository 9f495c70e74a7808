#include "usecases/ListsOverview.h"

#include <charconv>

#include "common/FileUtil.h"
#include "ed2k/Ed2kHash.h"
#include "usecases/OwnListEdit.h"

namespace kv {

std::expected<ListsOverview, ListFailure> OverviewOfLists(const ProgramHome& home, const std::string& fakeList) {
    ListStore store(home);
    auto loaded = store.Load(fakeList);
    if (!loaded) return std::unexpected(loaded.error());
    ListsOverview overview{*loaded, {}};
    const std::optional<std::string> text = ReadWholeFile(OwnListPath(home));
    if (!text) return overview;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const size_t first = line.find(','), second = first == std::string_view::npos ? first : line.find(',', first + 1);
        if (second == std::string_view::npos) continue;
        const std::optional<Ed2kHash> hash = Ed2kHash::FromHex(line.substr(0, first));
        if (!hash) continue;
        OwnRecord record;
        record.hash = hash->ToHex();
        const std::string_view middle = line.substr(first + 1, second - first - 1);
        record.allowed = middle == "allowed";
        uint64_t size = 0;
        if (!record.allowed && std::from_chars(middle.data(), middle.data() + middle.size(), size).ec == std::errc())
            record.size = size;
        record.description = std::string(line.substr(second + 1));
        overview.own.push_back(std::move(record));
    }
    return overview;
}

}  // namespace kv
