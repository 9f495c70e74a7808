#include <gtest/gtest.h>

#include "RecordingView.h"
#include "TempDir.h"
#include "app/presenter/MainPresenter.h"

namespace kv {
namespace {

using test::ScopedTempDir;

// The View switches read from a settings file holding ini (no file when empty), then both clicked: the file
// after reading, the calls made on the window and the file after the clicks.
std::string Switches(const std::string& ini, const std::string& name = "Kestrivane.ini") {
    ScopedTempDir dir;
    Session session;
    session.settings = Settings(ini.empty() ? dir.File(name) : dir.Write(name, ini));
    test::RecordingView view;
    MainPresenter presenter(session, view);
    presenter.ReadTextSearchSwitch(), presenter.ReadAllFilesSwitch();
    std::string got = dir.Read(name) + "|";
    presenter.ToggleTextSearch(), presenter.ToggleAllFiles();
    for (const std::string& entry : view.log) got += entry + " ";
    return got + "|" + dir.Read(name);
}

TEST(ViewSwitches, StoredWordDecidesTheTicksAndEachClickFlipsAppliesAndStores) {
    const std::string ini = "[Display]\nShowTextSearch=yes\nShowAllPartMet=maybe\n";
    EXPECT_EQ(Switches(ini), ini + "|check:ViewTextSearch:1 searchcontrols:1 check:ViewAllFiles:0 "
                                   "check:ViewTextSearch:0 searchcontrols:0 check:ViewAllFiles:1 "
                                   "|[Display]\nShowTextSearch=NO\nShowAllPartMet=YES\n");
    // No file: both written as YES and ticked (the controls stay as they are). Unwritable: the same calls.
    const std::string calls = "|check:ViewTextSearch:1 check:ViewAllFiles:1 check:ViewTextSearch:0 searchcontrols:0 "
                              "check:ViewAllFiles:0 |";
    EXPECT_EQ(Switches(""), "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\n" + calls +
                                "[Display]\r\nShowTextSearch=NO\r\nShowAllPartMet=NO\r\n");
    EXPECT_EQ(Switches("", "missing/Kestrivane.ini"), calls);
}

}  // namespace
}  // namespace kv
