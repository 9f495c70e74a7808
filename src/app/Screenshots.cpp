#include "Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QPlainTextEdit>
#include <QPushButton>

#include "FindingsModel.h"
#include "CheckLinksDialog.h"
#include "MainWindow.h"

namespace kv::app {

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void WaitForWork(const MainWindow& window) {
    while (window.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QPalette DarkPalette() {
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe6, 0xe6, 0xe6);
    p.setColor(QPalette::Window, window), p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base), p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text), p.setColor(QPalette::Button, window), p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca)), p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, base), p.setColor(QPalette::ToolTipText, text);
    return p;
}

// A large temp directory: the list sorted by its description, then the same in a dark theme.
bool TakeLargeListShots(MainWindow& window, const QDir& dir) {
    window.cbCheckFiles()->click();
    WaitForWork(window);
    window.resultsView()->sortByColumn(2, Qt::DescendingOrder);
    // Where the suspects end and the fakes begin.
    const FindingsModel& model = *window.Model();
    int firstFake = 0;
    while (firstFake < model.rowCount() &&
           model.index(firstFake, 0).data(FindingsModel::kRowKindRole).toInt() != static_cast<int>(RowKind::Fake))
        ++firstFake;
    window.resultsView()->scrollTo(model.index(std::max(0, firstFake - 6), 0), QAbstractItemView::PositionAtTop);
    window.resultsView()->selectRow(firstFake + 1);
    Settle();
    bool ok = window.grab().save(dir.filePath(QStringLiteral("main-window-5000.png")));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(DarkPalette());
    Settle();
    ok &= window.grab().save(dir.filePath(QStringLiteral("main-window-dark.png")));
    return ok;
}

// Pastes a forum post into the link dialog and checks it: a listed fake, a name
// that hides a program, a magnet and a plain download.
void CheckForumPost(CheckLinksDialog& links) {
    links.tbLinks()->setPlainText(QStringLiteral(
        "Re: new releases this week\n"
        "ed2k://|file|The%20Long%20Road%20(2006).DVDRip.avi|734003200|3BD5BA5B199D13A55AB98766F2D08FCC|/\n"
        "ed2k://|file|Holiday%20Photos.jpg.exe|348160|5f0e2b6c9a1d4e7f8a3b2c1d0e9f8a7b|/\n"
        "magnet:?xt=urn:ed2k:0a1b2c3d4e5f60718293a4b5c6d7e8f9&xl=1468006400&dn=Concert%20Live.mkv\n"
        "ed2k://|file|Linux%20Install%20DVD.iso|4700000000|e3b0c44298fc1c149afbf4c8996fb924|/\n"));
    links.cbCheck()->click();
}

// With an aMule connection stored: "Check aMule", the row menu over the
// window with its aMule commands, the options holding the connection, and the
// link dialog offering its clean links to aMule.
bool TakeAmuleShots(MainWindow& window, const QDir& dir) {
    window.cbCheckAmule()->click();
    WaitForWork(window);
    const FindingsModel& model = *window.Model();
    for (int i = 0; i < model.rowCount(); ++i) {
        if (model.index(i, 2).data().toString().startsWith(QStringLiteral("Fake"), Qt::CaseInsensitive)) {
            window.resultsView()->selectRow(i);
            break;
        }
    }
    Settle();
    QMenu* menu = window.RowMenu();
    const QTableView* list = window.resultsView();
    // Opened below the row, past the short names: the rows stay readable beside it.
    const QRect row = list->visualRect(list->currentIndex());
    const QPoint at = list->viewport()->mapTo(&window, QPoint(row.left() + 260, row.bottom()));
    menu->popup(window.mapToGlobal(at));
    Settle();
    const QPixmap menuShot = menu->grab();
    bool ok = menuShot.save(dir.filePath(QStringLiteral("row-menu.png")));
    menu->hide();
    // The menu is a window of its own: drawn over the window's picture where it opened.
    QPixmap shot = window.grab();
    {
        QPainter painter(&shot);
        painter.drawPixmap(at, menuShot);
        painter.setPen(window.palette().color(QPalette::Mid));
        painter.drawRect(QRect(at, menuShot.size()).adjusted(0, 0, -1, -1));
    }
    ok &= shot.save(dir.filePath(QStringLiteral("check-amule.png")));

    const auto previous = window.Hooks().runDialog;
    window.Hooks().runDialog = [&](QDialog& dialog) {
        auto* links = qobject_cast<CheckLinksDialog*>(&dialog);
        if (links) CheckForumPost(*links);
        dialog.show();
        Settle();
        ok &= dialog.grab().save(dir.filePath(links ? QStringLiteral("check-links.png") : QStringLiteral("options.png")));
        dialog.reject();
        return int(QDialog::Rejected);
    };
    window.onOptions();
    window.onCheckLinks();
    window.Hooks().runDialog = previous;
    return ok;
}

}  // namespace

bool TakeScreenshots(MainWindow& window, const QString& directory, const QString& set) {
    QDir().mkpath(directory);
    const QDir dir(directory);
    if (set == QLatin1String("large")) return TakeLargeListShots(window, dir);
    if (set == QLatin1String("amule")) return TakeAmuleShots(window, dir);
    if (set == QLatin1String("german")) {
        window.cbCheckFiles()->click();
        WaitForWork(window);
        Settle();
        return window.grab().save(dir.filePath(QStringLiteral("main-window-de.png")));
    }
    bool ok = true;

    window.cbCheckFiles()->click();
    WaitForWork(window);
    // A fake row selected shows what the link menu copies.
    const FindingsModel& model = *window.Model();
    for (int i = 0; i < model.rowCount(); ++i) {
        if (model.index(i, 2).data().toString().contains(QStringLiteral("fake"), Qt::CaseInsensitive)) {
            window.resultsView()->selectRow(i);
            break;
        }
    }
    Settle();
    ok &= window.grab().save(dir.filePath(QStringLiteral("main-window.png")));
    // The row menu of that row, with its own-list and aMule commands.
    QMenu* menu = window.RowMenu();
    const QTableView* list = window.resultsView();
    menu->popup(list->viewport()->mapToGlobal(list->visualRect(list->currentIndex()).center()));
    Settle();
    ok &= menu->grab().save(dir.filePath(QStringLiteral("row-menu.png")));
    menu->hide();

    const auto previous = window.Hooks().runDialog;
    QString name;
    window.Hooks().runDialog = [&](QDialog& dialog) {
        dialog.show();
        Settle();
        ok &= dialog.grab().save(dir.filePath(name));
        dialog.reject();
        return int(QDialog::Rejected);
    };
    name = QStringLiteral("options.png");
    window.onOptions();
    name = QStringLiteral("about.png");
    window.onAbout();
    // The prompt of "Mark as fake..." on the selected row; cancelled, so nothing is stored.
    name = QStringLiteral("mark-fake.png");
    window.onMarkFake();
    name = QStringLiteral("first-start.png");
    window.RunFirstStart();

    // The link check on a pasted forum post.
    window.Hooks().runDialog = [&](QDialog& dialog) {
        if (auto* links = qobject_cast<CheckLinksDialog*>(&dialog)) CheckForumPost(*links);
        dialog.show();
        Settle();
        ok &= dialog.grab().save(dir.filePath(QStringLiteral("check-links.png")));
        dialog.reject();
        return int(QDialog::Rejected);
    };
    window.onCheckLinks();
    window.Hooks().runDialog = previous;
    return ok;
}

}  // namespace kv::app
