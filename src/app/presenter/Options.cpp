#include "app/presenter/Options.h"

#include <string>

#include "platform/DirectoryLock.h"
#include "common/StringUtil.h"
#include "usecases/TempDirs.h"
#include "app/presenter/Messages.h"

namespace kv {

namespace {

// What a text box's value becomes in the file: up to its first line break
// (the settings writer stores no more), or the default when that is empty.
std::string StoredOrDefault(const std::string& text, const std::string& defaultValue) {
    const std::string stored = text.substr(0, text.find_first_of("\r\n"));
    return stored.empty() ? defaultValue : stored;
}

}  // namespace

OptionsValues LoadOptions(const Session& session) {
    const Settings& s = session.settings;
    OptionsValues values;
    // The dialog ticks a box only for exactly "YES", unlike start-up.
    values.checkKestrivane = s.ReadYesNo(Key::CheckKestrivaneAtStart).IsExactlyYes();
    values.checkFakesDat = s.ReadYesNo(Key::CheckFakesDatAtStart).IsExactlyYes();
    values.tabStop1 = s.Read(Key::TabStop1, "");
    values.tabStop2 = s.Read(Key::TabStop2, "");
    values.fakesDatUrl = s.Read(Key::FakesDatDownloadURL, session.addresses.defaultFakeList);
    values.fakesDatVersionCaption = "Fakes-DB-Version: " + s.Read(Key::FakesDatVersion, "0");
    values.tempDir = values.tempDirLoaded = StoredTempDir(s);
    return values;
}

void SaveOptions(Session& session, MainView& view, const OptionsValues& values) {
    // The dialog's values are stored together or, when another writer keeps the directory, not at all.
    const auto lock = DirectoryLock::Take(session.programDir);
    if (!lock) {
        if (lock.error().holder) view.MessageBox(msg::DirectoryBusy(*lock.error().holder), BoxIcon::Critical, msg::kAppTitle);
        return;
    }
    const Settings& s = session.settings;
    s.Write(Key::CheckKestrivaneAtStart, YesNo::Of(values.checkKestrivane).Stored());
    s.Write(Key::CheckFakesDatAtStart, YesNo::Of(values.checkFakesDat).Stored());

    const std::string tabStop1 = StoredOrDefault(values.tabStop1, SpecOf(Key::TabStop1).defaultValue);
    s.Write(Key::TabStop1, tabStop1);
    const std::string tabStop2 = StoredOrDefault(values.tabStop2, SpecOf(Key::TabStop2).defaultValue);
    s.Write(Key::TabStop2, tabStop2);

    session.tabStops = {RoundHalfEven32(NumericValue(tabStop1)), RoundHalfEven32(NumericValue(tabStop2))};
    view.SetListTabStops(session.tabStops);

    s.Write(Key::FakesDatDownloadURL, StoredOrDefault(values.fakesDatUrl, session.addresses.defaultFakeList));

    // The key the check reads first is the one edited; an untouched value stays as the file has it.
    const std::string tempDir = values.tempDir.substr(0, values.tempDir.find_first_of("\r\n"));
    if (tempDir != values.tempDirLoaded) {
        const bool edonkey = !s.Read(Key::EdonkeyTempPath, "").empty();
        s.Write(edonkey ? Key::EdonkeyTempPath : Key::EmuleTempDir, tempDir);
    }
}

}  // namespace kv
