#include "GuiFixture.h"
#include "PartMetBuilder.h"
#include "RowColours.h"
#include "app/presenter/CommandLine.h"
#include "common/StringUtil.h"

namespace {

using kv::app::FindingsModel;

// The demo window, with its list's column headers clickable and its row menu's copies readable.
struct ListWindow : DemoWindow {
    using DemoWindow::DemoWindow;
    void ClickHeader(int section) {
        QHeaderView* head = w->resultsView()->horizontalHeader();
        const QPoint at(head->sectionViewportPosition(section) + head->sectionSize(section) / 2, head->height() / 2);
        QTest::mouseClick(head->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    // What a row-menu item put on the clipboard for the rows selected now.
    QString Copy(const char* item) {
        QGuiApplication::clipboard()->clear();
        w->Action(QString::fromLatin1(item))->trigger();
        return QGuiApplication::clipboard()->text();
    }
};

const QString kFakeName = QString::fromUtf8("Die Sch\xc3\xb6ne und das Biest, Teil 1 - DVDRip.avi");
const QString kFakeLink = "ed2k://|file|" + kFakeName + "|734003200|3bd5ba5b199d13a55ab98766f2d08fcc|/";

// Many downloads in a temp directory of their own, every tenth a listed fake: the settings that check them.
std::string ManyDownloads(kv::test::ScopedTempDir& home, int count) {
    std::string fakes;
    for (int i = 0; i < count; ++i) {
        kv::test::PartMetLayout meta;
        meta.name = "download " + std::to_string(i) + ".avi";
        meta.size = 700000000u + static_cast<uint64_t>(i);
        meta.hash = kv::test::SequentialHash(static_cast<uint8_t>(i));
        meta.hash[15] = static_cast<uint8_t>(i >> 8);
        home.Write("temp/" + std::to_string(100000 + i) + ".part.met", kv::test::BuildPartMet(meta));
        if (i % 10 == 0) fakes += kv::HashText(meta.hash.data()) + "," + std::to_string(meta.size) + ",Fake\r\n";
    }
    home.Write("FAKES.DAT", fakes);
    return "[eMule]\r\nTempDir=" + home.File("temp") + "\r\n[Display]\r\nShowAllPartMet=YES\r\n";
}

}  // namespace

TEST(ResultList, HeaderIsNoRowClickingItSortsEitherWayAndTheSelectionKeepsItsFinding) {
    ListWindow f;
    auto& w = f.Checked();
    const QStringList found = f.Column(2);
    ASSERT_TRUE(found.size() == 9 && !f.Column(0).contains("Partname"));  // the titles are the header's, not a row's
    w.resultsView()->selectRow(f.RowNamed(kFakeName));
    const auto sortedAs = [](QStringList cells, bool up) {
        std::stable_sort(cells.begin(), cells.end(), [up](const QString& a, const QString& b) {
            return up ? a.compare(b, Qt::CaseInsensitive) < 0 : b.compare(a, Qt::CaseInsensitive) < 0;
        });
        return cells;
    };
    for (const bool up : {true, false}) {
        f.ClickHeader(2);
        EXPECT_EQ(f.Column(2), sortedAs(found, up));
        EXPECT_EQ(f.Copy("RowMenuCopyLink"), kFakeLink);  // the selection moved with its row
    }
    f.Check();  // a new check starts in the order the downloads were found
    EXPECT_EQ(f.Column(2), found);
}

TEST(ResultList, ColumnsStartAtTheTabStopsTheVerdictsAfterTheNamesTheLastReachesItsWidestTextAndAllResize) {
    ListWindow f("[Tabs]\r\nTabStop1=100\r\nTabStop2=300\r\n");
    auto& w = f.Open();
    QHeaderView* head = w.resultsView()->horizontalHeader();
    EXPECT_EQ(std::pair(head->sectionPosition(1), head->sectionPosition(2)), std::pair(f.StopX(100), f.StopX(300)));
    f.Check();
    const auto widest = [&](int column) {
        int most = 0;
        for (const QString& text : f.Column(column))
            most = std::max(most, QFontMetrics(w.resultsView()->font()).horizontalAdvance(text));
        return most;
    };
    // The verdicts start where the names end, at the tab stop at the latest: no empty room before them.
    EXPECT_EQ(head->sectionPosition(1), f.StopX(100));
    EXPECT_LE(head->sectionPosition(2), f.StopX(300));
    EXPECT_TRUE(head->sectionPosition(2) == f.StopX(300) || head->sectionSize(1) >= widest(1));
    EXPECT_GE(head->sectionSize(2), widest(2));
    for (int c = 0; c < 3; ++c) EXPECT_EQ(head->sectionResizeMode(c), QHeaderView::Interactive) << c;
    // A width the user gives a column stays through the next check and the search.
    head->resizeSection(1, 333);
    f.Check();
    EXPECT_EQ(head->sectionSize(1), 333);
    QTest::keyClick(w.resultsView(), Qt::Key_F3);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(std::pair(head->count(), head->sectionSize(1)), std::pair(2, 333));
}

TEST(ResultList, EveryRowMenuCopyTakesAllSelectedRowsOneALineInListOrder) {
    ListWindow f;
    auto& w = f.Checked();
    QTableView* list = w.resultsView();
    ASSERT_EQ(f.RowNamed(kFakeName), 1);
    const auto click = [&](int row, Qt::KeyboardModifier mod) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mod, list->visualRect(w.Model()->index(row, 1)).center());
    };
    click(1, Qt::NoModifier), click(0, Qt::ControlModifier);  // the later row first
    const QString other = f.Column(1)[0];
    EXPECT_EQ(f.Copy("RowMenuCopyName"), other + "\n" + kFakeName);
    EXPECT_EQ(f.Copy("RowMenuCopyLink").section('\n', 1), kFakeLink);
    EXPECT_TRUE(f.Copy("RowMenuCopyLink").section('\n', 0, 0).contains("|" + other + "|"));
    EXPECT_EQ(f.Copy("RowMenuCopyLinkHTML").count("<a href=\"ed2k://"), 2);
    EXPECT_EQ(f.Copy("RowMenuCopyHash").section('\n', 1), "3bd5ba5b199d13a55ab98766f2d08fcc");
    EXPECT_EQ(f.Copy("RowMenuCopyListLine").count("\r\n"), 2);
    EXPECT_EQ(w.stStatus()->text(), "2 list line(s) copied to the clipboard.");
}

TEST(ResultList, ShiftF10AndTheMenuKeyOpenTheRowMenuAtTheCurrentRow) {
    ListWindow f;
    auto& w = f.Checked();
    QTableView* list = w.resultsView();
    list->setFocus();
    list->selectRow(3);
    const QRect row = list->visualRect(w.Model()->index(3, 0));
    const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, {}}};
    for (const auto& [key, mods] : keys) {
        QStringList items;
        QPoint at;
        w.Hooks().popupMenu = [&](QMenu& menu, const QPoint& pos) {
            for (QAction* a : menu.actions()) items << a->objectName();
            at = pos;
        };
        QTest::keyClick(list, key, mods);
        EXPECT_TRUE(items.contains("RowMenuCopyLink") && items.contains("RowMenuMarkFake")) << key;
        EXPECT_EQ(list->viewport()->mapFromGlobal(at).y(), row.bottom()) << key;
    }
    w.Hooks().popupMenu = nullptr;
}

TEST(ResultList, InTheSearchBoxTheEditingKeysEditTheTextAndNeverEndTheProgram) {
    GuiFixture f;
    auto& w = f.Open();
    kv::app::KvLineEdit* box = w.tbTitelSearch();
    box->setText("bunny");
    box->setFocus();
    const auto ctrl = [&](Qt::Key key) { QTest::keyClick(box, key, Qt::ControlModifier); };
    QGuiApplication::clipboard()->clear();
    // Ctrl+A is About elsewhere, Ctrl+X Exit: in the box every editing key edits.
    for (const auto& [key, after] : std::vector<std::pair<Qt::Key, QString>>{{Qt::Key_A, "bunny|bunny|"},
             {Qt::Key_C, "bunny|bunny|bunny"}, {Qt::Key_X, "||bunny"}, {Qt::Key_V, "bunny||bunny"},
             {Qt::Key_Z, "||bunny"}}) {
        ctrl(key);
        EXPECT_EQ(box->text() + "|" + box->selectedText() + "|" + QGuiApplication::clipboard()->text(), after) << key;
    }
    EXPECT_TRUE(f.dialogs.isEmpty() && f.quits == 0 && w.isVisible());
    // Ctrl+O, no editing key, still opens the options from there.
    f.onDialog = [](QDialog& d) { d.reject(); };
    ctrl(Qt::Key_O);
    EXPECT_EQ(f.dialogs, QStringList{"frmOptions"});
}

// Text and background of fake, suspect and OK rows read at 4.5:1 or better, whatever the theme.
TEST(ResultList, RowsAreReadableInDarkLightAndOddPalettes) {
    const struct { const char* name; QColor base, text; } themes[] = {
        {"dark", QColor(0x1e, 0x1e, 0x1e), QColor(0xe6, 0xe6, 0xe6)}, {"light", Qt::white, Qt::black},
        {"grey text", QColor(0x30, 0x30, 0x30), QColor(0x90, 0x90, 0x90)}};
    ListWindow f;
    auto& w = f.Checked();
    const QPalette before = QApplication::palette();
    for (const auto& t : themes) {
        QPalette p;
        p.setColor(QPalette::Base, t.base), p.setColor(QPalette::Text, t.text);
        p.setColor(QPalette::Window, t.base), p.setColor(QPalette::WindowText, t.text);
        QApplication::setPalette(p);
        QCoreApplication::processEvents();
        QSet<int> kinds;
        for (int r = 0; r < w.Model()->rowCount(); ++r) {
            const QModelIndex i = w.Model()->index(r, 2);
            const int kind = i.data(FindingsModel::kRowKindRole).toInt();
            kinds << kind;
            const QVariant fg = i.data(Qt::ForegroundRole), bg = i.data(Qt::BackgroundRole);
            const QPalette shown = w.resultsView()->palette();
            const QColor text = fg.isValid() ? fg.value<QColor>() : shown.color(QPalette::Text);
            const QColor back = bg.isValid() ? bg.value<QColor>() : shown.color(QPalette::Base);
            if (kind != 0) {
                EXPECT_NE(back, shown.color(QPalette::Base)) << t.name << " row " << r;  // they stand out
                // A tint of the theme's base: dark rows in a dark theme, light in a light one.
                EXPECT_EQ(back.lightness() < 128, shown.color(QPalette::Base).lightness() < 128) << t.name << r;
            }
            if (kind != 0 || std::string(t.name) != "grey text") {  // plain rows are the theme's own
                EXPECT_GE(kv::app::ContrastRatio(text, back), 4.5) << t.name << " row " << r << " kind " << kind;
            }
        }
        EXPECT_EQ(kinds, (QSet<int>{0, 1, 2})) << t.name;
    }
    QApplication::setPalette(before);
}

// A full check's rows all arrive; a window destroyed during a check waits for it (closing: CloseDuringWork).
TEST(ResultList, WindowDestroyedDuringACheckWaitsForItAndTheRowsOfAFullCheckAllArrive) {
    GuiFixture f;
    f.home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n" +
                                       ManyDownloads(f.home, 3000));
    auto& w = f.Open();
    f.Check();
    EXPECT_EQ(std::pair(w.Model()->rowCount(), w.stStatus()->text()),
              std::pair(3000, QString("Finished! Found 300 Fakes in  3000 checked .part.met")));
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(w.Busy());
    // The five commands wait while the check runs, and so do those that change the settings.
    for (QWidget* c : std::initializer_list<QWidget*>{w.cbCheckFiles(), w.cbTitelSearch(), w.cbDownloadFakesDB()})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    for (const char* a : {"OnlineFakesDB", "OnlineKestrivane", "ExtrasOptions", "RowMenuMarkFake"})
        EXPECT_FALSE(w.Action(a)->isEnabled()) << a;
    EXPECT_TRUE(w.Action("RowMenuCopyLink")->isEnabled());  // copying touches no settings
    f.w.reset();  // no hang, no call into a window that is gone
    EXPECT_EQ(f.quits, 0);
}

TEST(ResultList, SizePositionAndColumnWidthsAreKeptInTheirOwnSectionWrittenOnlyOnClosing) {
    GuiFixture f;
    auto& w = f.Open();
    const QSize designed = w.size();
    const int stop1 = w.resultsView()->horizontalHeader()->sectionPosition(1);
    EXPECT_EQ(f.home.Read("Kestrivane.ini").find("[Window]"), std::string::npos);  // a start writes what it wrote
    w.resize(w.width() + 120, w.height() + 80);
    QHeaderView* head = w.resultsView()->horizontalHeader();
    head->resizeSection(0, 70), head->resizeSection(1, 250), head->resizeSection(2, 400);
    const QSize size = w.size();
    w.close();
    const std::string stored = "Width=" + std::to_string(size.width()) + "\r\nHeight=" + std::to_string(size.height()) +
                               "\r\nColumn1=70\r\nColumn2=250\r\nColumn3=400\r\n";
    EXPECT_NE(f.home.Read("Kestrivane.ini").find("\r\n" + stored), std::string::npos) << f.home.Read("Kestrivane.ini");

    GuiFixture again("[Window]\r\n" + stored);
    auto& restarted = again.Open();
    QHeaderView* head2 = restarted.resultsView()->horizontalHeader();
    EXPECT_EQ(std::tuple(restarted.size(), head2->sectionSize(0), head2->sectionSize(1), head2->sectionSize(2)),
              std::tuple(size, 70, 250, 400));
    // Figures that are no numbers are ignored: the designed size and the tab stops, as on a first start.
    GuiFixture odd("[Window]\r\nWidth=wide\r\nHeight=-5\r\nColumn1=x\r\nColumn2=250\r\nColumn3=400\r\n");
    auto& plain = odd.Open();
    EXPECT_EQ(std::pair(plain.size(), plain.resultsView()->horizontalHeader()->sectionPosition(1)),
              std::pair(designed, stop1));
    // Widths the tab stops gave are not stored as the user's: the next start follows the tab stops again.
    GuiFixture untouched;
    untouched.Open().close();
    const std::string ini = untouched.home.Read("Kestrivane.ini");
    EXPECT_TRUE(ini.find("Width=") != std::string::npos && ini.find("Column1=") == std::string::npos) << ini;
}

TEST(CommandLine, HelpVersionAndHomeAsTheCommandLineProgramHasThem) {
    kv::test::ScopedTempDir dir;
    const std::string more = "\nRun with --help for more information.\n";
    const std::string none = dir.File("none");
    const struct {
        const char* name;
        std::vector<std::string> args;
        bool run;
        int code;
        std::string out, err;
    } rows[] = {
        {"Qt's own", {"-platform", "offscreen", "-style", "fusion"}, true, 0, "", ""},
        {"missing home", {"--home", none}, false, 2, "", "--home " + none + ": no such directory.\n"},
        {"unknown", {"--bogus"}, false, 2, "", "The following argument was not expected: --bogus" + more},
    };
    for (const auto& r : rows) {
        const kv::GuiCommandLine c = kv::ParseGuiCommandLine(r.args);
        EXPECT_EQ(std::tuple(c.run, c.exitCode, c.out, c.err), std::tuple(r.run, r.code, r.out, r.err)) << r.name;
    }
    for (const auto& args : {std::vector<std::string>{"--home", dir.path() + "/"}, {"--home=" + dir.path()}}) {
        const kv::GuiCommandLine c = kv::ParseGuiCommandLine(args);
        EXPECT_TRUE(c.run && c.home == dir.path()) << args.back();
    }
}

// The program itself started with --home DIR keeps its settings there.
TEST(CommandLine, TheProgramStartedWithHomeWritesItsSettingsThere) {
    kv::test::ScopedTempDir dir;
    dir.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + dir.File("temp") + "\r\n");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("KESTRIVANE_HOME");
    env.insert("HOME", QString::fromStdString(dir.File("user")));
    program.setProcessEnvironment(env);
    program.start(KV_GUI_PATH, {"--home", QString::fromStdString(dir.path())});
    ASSERT_TRUE(program.waitForStarted());
    // The window's load stores the View switches it found missing.
    const bool written = QTest::qWaitFor(
        [&] { return dir.Read("Kestrivane.ini").find("ShowAllPartMet=YES") != std::string::npos; }, 30000);
    program.kill(), program.waitForFinished();
    EXPECT_TRUE(written) << dir.Read("Kestrivane.ini");
    EXPECT_FALSE(std::filesystem::exists(dir.File("user/.config/kestrivane")));
}
