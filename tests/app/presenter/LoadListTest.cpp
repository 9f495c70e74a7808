#include <gtest/gtest.h>

#include "RecordingView.h"
#include "TempDir.h"
#include "app/presenter/MainPresenter.h"
#include "lists/FakeList.h"

// Loading FAKES.DAT as the window does: its caption, its status and the box for skipped lines.

using namespace kv;
using Rows = std::vector<std::string>;

TEST(LoadFakeList, CaptionCountsTheRecordsAMissingOrEmptyListClearsItAndSkippedLinesAreShownOnRequest) {
    test::ScopedTempDir dir;
    test::RecordingView view;
    Session session;
    MainPresenter presenter(session, view);
    // A lone CR ends no line; commas past the second are the description's.
    const std::string list = dir.Write("FAKES.DAT", "a,7,Movie\r\n,12,no hash\r\nno comma\nb,1,x, y\rz\nc,text");
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
    Rows records;
    const FakeList& loaded = *session.fakes().list(kMainListSlot);
    for (size_t r = 0; r < loaded.size(); ++r) {
        const FakeRecord rec = loaded.record(r);
        records.push_back(std::string(rec.hashText) + "|" + std::string(rec.sizeText) + "|" +
                          std::string(rec.description) + "|" + std::string(rec.listName));
    }
    EXPECT_EQ(records, (Rows{"a|7|Movie|FAKES.DAT", "b|1|x, y\rz|FAKES.DAT", "c||text|FAKES.DAT"}));
    const std::string box = ":Kestrivane:Fehler in der FAKES.DAT, Linie1\r\nEingelesene Zeile:\r\n,12,no hash";
    EXPECT_EQ(view.LogWith("box:"), Rows{"box:" + std::to_string(kMbOk) + box});
}
