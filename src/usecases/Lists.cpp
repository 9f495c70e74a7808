#include "usecases/Lists.h"

#include "common/FileUtil.h"

namespace kv {

namespace {
// The main list is read whole; the same bound as a download.
constexpr uint64_t kMainListReadLimit = uint64_t{256} * 1024 * 1024;
}  // namespace

std::expected<ListsLoaded, ListFailure> ListStore::Load(const std::string& mainList) {
    const std::string path = mainList.empty() ? home_.FakeListPath() : mainList;
    fakes_.Remove(kMainListSlot);
    ListsLoaded loaded;
    loaded.mainPath = path;
    const int64_t length = FileLength(path);
    std::optional<std::string> content = length > 0 ? ReadWholeFile(path, kMainListReadLimit) : std::nullopt;
    if (!mainList.empty() && (!content || content->empty()))
        return std::unexpected(ListFailure{
            FileExists(path) ? ListError::GivenListUnreadable : ListError::GivenListMissing, path});
    loaded.mainExists = FileExists(path);
    if (length >= 0) {
        // The first bytes tell a UTF-16 file; its records cannot be read as lines of bytes.
        loaded.mainShape = length == 0 ? ListShape::Empty : JudgeList(ReadFileHead(path, 4096).value_or("")).shape;
    }
    if (content && !content->empty()) {
        loaded.mainLoaded = true;
        fakes_.Put(FakeList::Parse(std::move(*content), FileNameOf(path), &loaded.skipped), ListRank::Downloaded,
                   kMainListSlot);
    }
    loaded_ = std::move(loaded);
    ReloadExtras();
    return loaded_;
}

const ListsLoaded& ListStore::ReloadExtras() {
    // The own list, the further sources (after the main list: it wins a hash
    // both name) and the clients' signals come with every load.
    loaded_.extra = LoadExtraLists(fakes_, home_);
    loaded_.records = fakes_.records();
    return loaded_;
}

}  // namespace kv
