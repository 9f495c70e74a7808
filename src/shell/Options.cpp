#include "shell/Options.h"

#include <string>

#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv {

namespace {

// The update address is read whole: a shorter read would show a long address
// cut and OK would then store the cut text.
constexpr int16_t kAddressSize = 2000;

// What a text box's value becomes in the file: up to its first line break
// (the settings writer stores no more), or the default when that is empty.
std::string StoredOrDefault(const std::string& text, const std::string& defaultValue) {
    const std::string stored = text.substr(0, text.find_first_of("\r\n"));
    return stored.empty() ? defaultValue : stored;
}

}  // namespace

OptionsValues LoadOptions(const AppState& state) {
    OptionsValues values;
    // The dialog ticks a box only for exactly "YES", unlike start-up.
    values.checkKestrivane = ReadIniString("Internet", "CheckKestrivaneAtStart", "", 50, state.gIniFile) == "YES";
    values.checkFakesDat = ReadIniString("Internet", "CheckFakesDatAtStart", "", 50, state.gIniFile) == "YES";
    values.tabStop1 = ReadIniString("Tabs", "TabStop1", "", 50, state.gIniFile);
    values.tabStop2 = ReadIniString("Tabs", "TabStop2", "", 50, state.gIniFile);
    values.fakesDatUrl =
        ReadIniString("Internet", "FakesDatDownloadURL", state.gDefaultFakesUrl, kAddressSize, state.gIniFile);
    values.fakesDatVersionCaption =
        "Fakes-DB-Version: " + ReadIniString("Internet", "FakesDatVersion", "0", 50, state.gIniFile);
    return values;
}

void SaveOptions(AppState& state, MainView& view, const OptionsValues& values) {
    WriteIniString("Internet", "CheckKestrivaneAtStart", values.checkKestrivane ? "YES" : "NO", state.gIniFile);
    WriteIniString("Internet", "CheckFakesDatAtStart", values.checkFakesDat ? "YES" : "NO", state.gIniFile);

    const std::string tabStop1 = StoredOrDefault(values.tabStop1, state.gDefaultTabStop1);
    WriteIniString("Tabs", "TabStop1", tabStop1, state.gIniFile);
    const std::string tabStop2 = StoredOrDefault(values.tabStop2, state.gDefaultTabStop2);
    WriteIniString("Tabs", "TabStop2", tabStop2, state.gIniFile);

    state.gTabStops.clear();
    AppendToArray(state.gTabStops, RoundHalfEven32(NumericValue(tabStop1)));
    AppendToArray(state.gTabStops, RoundHalfEven32(NumericValue(tabStop2)));
    view.SetListTabStops(state.gTabStops, 2);

    WriteIniString("Internet", "FakesDatDownloadURL", StoredOrDefault(values.fakesDatUrl, state.gDefaultFakesUrl),
                   state.gIniFile);
}

}  // namespace kv
