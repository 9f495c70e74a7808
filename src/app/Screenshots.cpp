#include "Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "FrmStart.h"

namespace kv::app {

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

bool TakeScreenshots(FrmStart& window, const QString& directory) {
    QDir().mkpath(directory);
    const QDir dir(directory);
    bool ok = true;

    window.cbCheckFiles()->click();
    // A fake row selected shows what the link menu copies.
    for (int i = 0; i < window.lbGefundeneFakes()->count(); ++i) {
        if (window.lbGefundeneFakes()->item(i)->text().contains(QStringLiteral("fake"), Qt::CaseInsensitive)) {
            window.lbGefundeneFakes()->setCurrentRow(i);
            break;
        }
    }
    Settle();
    ok &= window.grab().save(dir.filePath(QStringLiteral("main-window.png")));

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
    window.ExtrasOptions_Click();
    name = QStringLiteral("about.png");
    window.HelpAbout_Click();
    // The prompt of "Mark as fake..." on the selected row; cancelled, so nothing is stored.
    name = QStringLiteral("mark-fake.png");
    window.RechteMaustasteMarkFake_Click();
    name = QStringLiteral("first-start.png");
    window.RunFirstStart();
    window.Hooks().runDialog = previous;
    return ok;
}

}  // namespace kv::app
