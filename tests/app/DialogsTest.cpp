// The options dialog and the about box, opened from the main window's menu.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "FrmInfo.h"
#include "FrmOptions.h"
#include "GuiFixture.h"
#include "KvLineEdit.h"
#include "TabStopDelegate.h"
#include "settings/IniFile.h"

using kv::app::FrmInfo;
using kv::app::FrmOptions;
using kv::test::GuiFixture;

namespace {

std::string Ini(GuiFixture& f, const char* section, const char* key) {
    return kv::ReadIniString(section, key, "<missing>", 2000, f.IniPath());
}

void Set(GuiFixture& f, const char* section, const char* key, const std::string& value) {
    kv::WriteIniString(section, key, value, f.IniPath());
}

// Shows a dialog and waits until it has the keyboard (a transient dialog's
// window counts as active as soon as its owner is, so wait for the widget).
void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
}

// Opens the options dialog through the menu and runs body on it while shown.
void WithOptions(GuiFixture& f, const std::function<void(FrmOptions&)>& body) {
    bool ran = false;
    f.onDialog = [&](QDialog& dialog) {
        auto* options = qobject_cast<FrmOptions*>(&dialog);
        ASSERT_NE(options, nullptr);
        ShowActive(dialog);
        ran = true;
        body(*options);
    };
    f.Window().Action(QStringLiteral("ExtrasOptions"))->trigger();
    f.onDialog = nullptr;
    EXPECT_TRUE(ran);
}

const std::string kLongUrl = "http://127.0.0.1:9/" + std::string(131, 'u');  // 150 characters

}  // namespace

TEST(OptionsDialog, LoadsExactValuesAndOkStoresThemInOrder) {
    GuiFixture f;
    f.Open();
    // Set after start-up, so that start-up itself runs no check.
    Set(f, "Internet", "CheckKestrivaneAtStart", "YES");
    Set(f, "Internet", "CheckFakesDatAtStart", "yes");
    Set(f, "Tabs", "TabStop1", "120abc");
    Set(f, "Internet", "FakesDatDownloadURL", kLongUrl);
    ASSERT_EQ(kLongUrl.size(), 150u);

    WithOptions(f, [&](FrmOptions& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kestrivane-Options"));
        EXPECT_EQ(d.findChild<QWidget*>(QStringLiteral("fraCheckNewVersions"))->property("title").toString(),
                  QStringLiteral(" Check@Startup for:"));
        EXPECT_TRUE(d.cbKestrivane()->isChecked());
        EXPECT_FALSE(d.cbFakesDat()->isChecked());  // lower-case yes is not ticked here
        EXPECT_EQ(d.tbTabStop1()->text(), QStringLiteral("120abc"));
        EXPECT_EQ(d.tbTabStop2()->text(), QStringLiteral("355"));
        EXPECT_EQ(d.tbCheckFakesDatURL()->text(), QString::fromStdString(kLongUrl));
        EXPECT_EQ(d.lblFakesDatVersion()->text(), QStringLiteral("Fakes-DB-Version: 0"));
        EXPECT_TRUE(d.cbOK()->isDefault());
        QTest::mouseClick(d.cbOK(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(Ini(f, "Internet", "CheckKestrivaneAtStart"), "YES");
    EXPECT_EQ(Ini(f, "Internet", "CheckFakesDatAtStart"), "NO");
    EXPECT_EQ(Ini(f, "Tabs", "TabStop1"), "120abc");
    EXPECT_EQ(Ini(f, "Internet", "FakesDatDownloadURL"), kLongUrl);
    // The stops reach the main window's list at once.
    EXPECT_EQ(f.Window().ListDelegate()->TabStopUnits(), (QVector<int>{120, 355}));
}

TEST(OptionsDialog, EmptiedBoxesStoreTheDefaults) {
    GuiFixture f;
    f.Open();
    Set(f, "Tabs", "TabStop1", "80");
    Set(f, "Tabs", "TabStop2", "200");
    WithOptions(f, [&](FrmOptions& d) {
        d.tbTabStop1()->clear();
        d.tbTabStop2()->clear();
        d.tbCheckFakesDatURL()->clear();
        QTest::keyClick(&d, Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_EQ(Ini(f, "Tabs", "TabStop1"), "60");
    EXPECT_EQ(Ini(f, "Tabs", "TabStop2"), "355");
    EXPECT_EQ(Ini(f, "Internet", "FakesDatDownloadURL"), f.Window().State().gDefaultFakesUrl);
    EXPECT_FALSE(f.Window().State().gDefaultFakesUrl.empty());
    EXPECT_EQ(f.Window().ListDelegate()->TabStopUnits(), (QVector<int>{60, 355}));
}

TEST(OptionsDialog, CancelEscAndCloseWriteNothing) {
    GuiFixture f;
    f.Open();
    const std::string before = f.home.Read("Kestrivane.ini");
    const QVector<int> stops = f.Window().ListDelegate()->TabStopUnits();
    auto edit = [](FrmOptions& d) {
        d.cbFakesDat()->setChecked(!d.cbFakesDat()->isChecked());
        d.tbTabStop1()->setText(QStringLiteral("999"));
        d.tbCheckFakesDatURL()->setText(QStringLiteral("http://127.0.0.1:9/other"));
    };
    WithOptions(f, [&](FrmOptions& d) {
        edit(d);
        QTest::mouseClick(d.cbCancel(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    WithOptions(f, [&](FrmOptions& d) {
        edit(d);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    WithOptions(f, [&](FrmOptions& d) {
        edit(d);
        d.close();
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);
    EXPECT_EQ(f.Window().ListDelegate()->TabStopUnits(), stops);
    // Each opening reads the file afresh: nothing typed survived.
    WithOptions(f, [&](FrmOptions& d) { EXPECT_EQ(d.tbTabStop1()->text(), QStringLiteral("60")); });
}

TEST(OptionsDialog, FocusSelectsWholeTextAndTabOrderFollowsDesign) {
    GuiFixture f;
    f.Open();
    WithOptions(f, [&](FrmOptions& d) {
        d.tbCheckFakesDatURL()->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(d.tbCheckFakesDatURL()->selectedText(), d.tbCheckFakesDatURL()->text());
        d.cbFakesDat()->setFocus(Qt::OtherFocusReason);
        QList<QWidget*> order{d.cbFakesDat()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        EXPECT_EQ(order, (QList<QWidget*>{d.cbFakesDat(), d.cbKestrivane(), d.tbTabStop1(), d.tbTabStop2(),
                                          d.tbCheckFakesDatURL(), d.cbOK(), d.cbCancel()}));
        // Tabbed into, a box holds its whole text selected.
        EXPECT_EQ(d.tbTabStop1()->text().isEmpty(), false);
        d.tbTabStop2()->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(d.tbTabStop2()->selectedText(), d.tbTabStop2()->text());
        d.reject();
    });
}

TEST(AboutBox, CaptionLinesAndLinks) {
    GuiFixture f;
    auto& w = f.Open();
    const auto& s = w.State();
    bool ran = false;
    f.onDialog = [&](QDialog& dialog) {
        auto* info = qobject_cast<FrmInfo*>(&dialog);
        ASSERT_NE(info, nullptr);
        ran = true;
        EXPECT_EQ(info->windowTitle(), QStringLiteral("Kestrivane-Info  1.0.0"));
        const QStringList lines = info->lblText1()->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3);
        EXPECT_TRUE(lines[0].contains(QStringLiteral("Kestrivane")));
        EXPECT_EQ(lines[1], QStringLiteral("and powered by Brindlecast."));
        EXPECT_EQ(lines[2], QStringLiteral("Thanks to all the SupportinG gUyZ!"));
        EXPECT_EQ(info->lblFakesDBText()->text().toStdString(), s.gCommunityUrl);
        EXPECT_EQ(info->lblMailText()->text().toStdString(), s.gFeedbackAddress);
        EXPECT_EQ(info->lblDLText()->text().toStdString(), s.gDownloadSiteUrl);
        for (QLabel* link : {static_cast<QLabel*>(info->lblFakesDBText()), static_cast<QLabel*>(info->lblMailText()),
                             static_cast<QLabel*>(info->lblDLText())}) {
            EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            EXPECT_TRUE(link->font().underline());
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_EQ(link->textFormat(), Qt::PlainText);
        }
        EXPECT_FALSE(info->imInfo()->pixmap().isNull());
        EXPECT_EQ(info->imInfo()->pixmap().size(), QSize(46, 49));

        // Links that cannot be opened: the two messages, the dialog stays.
        f.openResult = false;
        QTest::mouseClick(info->lblFakesDBText(), Qt::LeftButton);
        QTest::mouseClick(info->lblDLText(), Qt::LeftButton);
        QTest::mouseClick(info->lblMailText(), Qt::LeftButton);
        ASSERT_EQ(f.boxes.size(), 3u);
        EXPECT_EQ(f.boxes[0].text, QStringLiteral("Errors occurred.  Could not open link."));
        EXPECT_EQ(f.boxes[1].text, QStringLiteral("Errors occurred.  Could not open link."));
        EXPECT_EQ(f.boxes[2].text, QStringLiteral("What could this error be?"));
        for (const auto& box : f.boxes) {
            EXPECT_EQ(box.style, 0);
            EXPECT_EQ(box.title, QStringLiteral("Kestrivane"));
        }
        ASSERT_EQ(f.opened.size(), 3u);
        EXPECT_EQ(f.opened[0].toStdString(), s.gCommunityUrl);
        EXPECT_EQ(f.opened[1].toStdString(), s.gDownloadSiteUrl);
    };
    w.Action(QStringLiteral("HelpAbout"))->trigger();
    EXPECT_TRUE(ran);
    f.onDialog = nullptr;

    // File > Send Feedback opens the very same address as the mail link.
    w.Action(QStringLiteral("FileSend"))->trigger();
    ASSERT_EQ(f.opened.size(), 4u);
    EXPECT_EQ(f.opened[3], f.opened[2]);
    EXPECT_EQ(f.opened[3].toStdString(), "mailto:" + s.gFeedbackAddress +
                                             "?Subject=Some feedback about Kestrivane 1.0.0"
                                             "&body=My very important blabla");
    EXPECT_EQ(f.boxes.back().text, QStringLiteral("What could this error be?"));
}

TEST(AboutBox, EnterAndEscClose) {
    GuiFixture f;
    auto& w = f.Open();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool closed = false;
        f.onDialog = [&](QDialog& dialog) {
            ShowActive(dialog);
            QTest::keyClick(&dialog, key);
            closed = !dialog.isVisible();
        };
        w.Action(QStringLiteral("HelpAbout"))->trigger();
        EXPECT_TRUE(closed) << key;
    }
    EXPECT_TRUE(f.boxes.empty());
}

TEST(FileDialog, QtDialogTakesTheRequestAndAcceptsANewName) {
    kv::test::ScopedTempDir dir;
    dir.Write("pref.met", "x");
    kv::FileChooserRequest request;
    request.title = "Open eMule preferences.ini";
    request.filters = {{"eDonkey pref.met-File", "pref.met"},
                       {"eMule preferences.ini-File", "preferences.ini"},
                       {"aMule amule.conf-File", "amule.conf"}};
    request.initialDir = dir.path();
    request.initialFileName = "preferences.ini";  // does not exist
    request.filterIndex = 1;

    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no file dialog";
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            }
            return;
        }
        inspected = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open eMule preferences.ini"));
        EXPECT_EQ(dialog->nameFilters(),
                  (QStringList{"eDonkey pref.met-File (pref.met)", "eMule preferences.ini-File (preferences.ini)",
                               "aMule amule.conf-File (amule.conf)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("eMule preferences.ini-File (preferences.ini)"));
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(QString::fromStdString(dir.path())).canonicalPath());
        // Centred over its owner (to a pixel or two of the dialog's final size).
        EXPECT_LE((dialog->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 4);
        dialog->selectNameFilter(QStringLiteral("aMule amule.conf-File (amule.conf)"));
        dialog->selectFile(QStringLiteral("amule.conf"));
        static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    const kv::FileChoice choice = kv::app::DefaultDesktopHooks().chooseFile(&owner, request);
    EXPECT_TRUE(inspected);
    EXPECT_TRUE(choice.accepted);
    EXPECT_EQ(choice.path, dir.File("amule.conf"));
    EXPECT_EQ(choice.filterIndex, 2);
}
