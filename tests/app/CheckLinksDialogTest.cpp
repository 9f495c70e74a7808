#include "CheckLinksDialog.h"
#include "GuiFixture.h"
#include "LinkFindingsModel.h"

using kv::app::CheckLinksDialog;

namespace {

const std::string kFake = "0123456789abcdef0123456789abcdef";
const std::string kOk = "00112233445566778899aabbccddeeff";

QString Q(const std::string& s) { return QString::fromUtf8(s); }

}  // namespace

TEST(CheckLinksDialog, ChecksPastedTextAndOpenedFilesAndMarksFakesAndSuspects) {
    GuiFixture f;
    f.home.Write("FAKES.DAT", kFake + ",100,Fake, trailer only\r\n");
    const std::string saved = f.home.Write("films.txt", "ed2k://|file|one.avi|100|" + kFake + "|/\n");
    auto& w = f.Open();
    std::vector<kv::FileChooserRequest> asked;
    const kv::FileChoice choice{true, saved, 0};
    w.Hooks().chooseFile = [&](QWidget*, const kv::FileChooserRequest& r) { asked.push_back(r); return choice; };

    f.With<CheckLinksDialog>([&] { QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier); }, [&](CheckLinksDialog& d) {
        QTest::mouseClick(d.cbCheck(), Qt::LeftButton);  // nothing pasted yet
        EXPECT_EQ(d.stStatus()->text(), "Paste ed2k or magnet links (or any text holding them) first.");

        d.tbLinks()->setPlainText(Q("Look:\ned2k://|file|Trailer%7C1 & <2> \"x\".avi|100|" + kFake + "|/\n"
                                    "ed2k://|file|movie.avi.exe|7|" + kOk + "|/\n"
                                    "ed2k://|file|\xC3\x9C" "ber.avi|7|" + kOk + "|/ ed2k://|file|bad|1|x|/"));
        QTest::mouseClick(d.cbCheck(), Qt::LeftButton);
        EXPECT_EQ(d.RowTexts(), QStringList({Q("2\tTrailer|1 & <2> \"x\".avi\tFake, trailer only"),
                                             "3\tmovie.avi.exe\tSuspect: a program posing as AVI video: the name "
                                             "ends in .avi.exe",
                                             Q("4\t\xC3\x9C" "ber.avi\t*** OK "),
                                             "4\ted2k://|file|bad|1|x|/\tMalformed link: The file hash must be 32 "
                                             "hex digits."}));
        EXPECT_EQ(d.stStatus()->text(), "4 links: 1 fake, 1 suspect, 1 malformed");
        // Fakes and suspects stand out from OK rows, and from each other.
        const auto back = [&](int row) {
            const QVariant colour = d.Model()->index(row, 1).data(Qt::BackgroundRole);
            return colour.isValid() ? colour.value<QColor>() : d.lvResults()->palette().color(QPalette::Base);
        };
        EXPECT_TRUE(back(0) != back(2) && back(1) != back(2) && back(0) != back(1));
        EXPECT_TRUE(d.Model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        EXPECT_TRUE(d.Model()->index(3, 1).data(Qt::FontRole).value<QFont>().italic());  // malformed: names no file

        QTest::mouseClick(d.cbOpenFile(), Qt::LeftButton);
        EXPECT_EQ(d.RowTexts(), QStringList{"1\tone.avi\tFake, trailer only"});
        EXPECT_EQ(d.stStatus()->text(), "films.txt: 1 link: 1 fake, 0 suspects, 0 malformed");
        QTest::mouseClick(d.cbClose(), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(f.dialogs, QStringList{"frmCheckLinks"});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].filters.at(0).second, "*.emulecollection");
    EXPECT_TRUE(f.boxes.isEmpty());
}
