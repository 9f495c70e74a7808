#include <gtest/gtest.h>

#include "RecordingView.h"
#include "TempDir.h"
#include "app/presenter/MainPresenter.h"

// Loading FAKES.DAT as the window does: its caption, its status and the box for skipped lines.

using namespace kv;
using Rows = std::vector<std::string>;

TEST(LoadFakeList, CaptionCountsTheRecordsAMissingOrEmptyListClearsItAndSkippedLinesAreShownOnRequest) {
    test::ScopedTempDir dir;
    test::RecordingView view;
    Session session;
    MainPresenter presenter(session, view);
    const std::string list = dir.Write("FAKES.DAT", "a,7,Movie\r\n,12,no hash\r\nb,1,x\nc,text");
    for (const std::string& other : {dir.Write("empty.dat", ""), dir.File("absent.dat")}) {
        presenter.LoadFakeList(list);
        EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  3 Fakes in DB");  // replaced, not added to
        presenter.LoadFakeList(other);
        EXPECT_EQ(view.status, "File " + other + " not found! Please download FAKE-DB!");
        EXPECT_EQ(session.fakes().records(), 0u);
    }
    EXPECT_EQ(view.LogWith("box:"), Rows{});  // skipped lines are shown only on request
    session.showSkippedListLines = true;
    presenter.LoadFakeList(list);
    const std::string box = ":Kestrivane:Fehler in der FAKES.DAT, Linie1\r\nEingelesene Zeile:\r\n,12,no hash";
    EXPECT_EQ(view.LogWith("box:"), Rows{"box:" + std::to_string(kMbOk) + box});
}
