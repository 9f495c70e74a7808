#include "FirstStartDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/DisplayText.h"
#include "app/presenter/Messages.h"
#include "Translations.h"

namespace kv::app {

namespace {

QLabel* Text(const QString& name, const std::string& text, QWidget* parent) {
    auto* label = new QLabel(Shown(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QString Path(const std::string& bytes) { return QFile::decodeName(bytes.c_str()); }

}  // namespace

FirstStartDialog::FirstStartDialog(Session& session, MainPresenter& presenter, std::vector<DetectedClient> found,
                             QWidget* parent)
    : QDialog(parent), session_(session), presenter_(presenter), found_(std::move(found)) {
    setObjectName(QStringLiteral("frmFirstStart"));
    setWindowTitle(Shown(msg::FirstStartTitle()));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    lblFakeList_ = Text(QStringLiteral("lblFakeList"), msg::FirstStartFakeList(), this);
    layout->addWidget(lblFakeList_);
    layout->addWidget(Text(QStringLiteral("lblUpdateURL"), msg::FirstStartUpdateAddress(), this));
    tbUpdateURL_ = new QLineEdit(this);
    tbUpdateURL_->setObjectName(QStringLiteral("tbUpdateURL"));
    tbUpdateURL_->setText(QString::fromUtf8(
        ToDisplayUtf8(session_.settings.Read(Key::FakesDatDownloadURL, session_.addresses.defaultFakeList))));
    layout->addWidget(tbUpdateURL_);
    lblContentCheck_ = Text(QStringLiteral("lblContentCheck"), msg::FirstStartContentCheck(), this);
    layout->addWidget(lblContentCheck_);

    layout->addWidget(Text(QStringLiteral("lblClients"),
                           found_.empty() ? msg::FirstStartNoneFound() : msg::FirstStartClients(), this));
    lstClients_ = new QListWidget(this);
    lstClients_->setObjectName(QStringLiteral("lstClients"));
    int chosen = -1;
    for (size_t i = 0; i < found_.size(); ++i) {
        const DetectedClient& d = found_[i];
        const QString temp = d.tempDir.empty() ? tr("names no temp directory")
                                               : tr("temp directory %1").arg(Path(d.tempDir));
        auto* item = new QListWidgetItem(
            QStringLiteral("%1: %2 (%3)").arg(QString::fromStdString(ClientNameOf(d.client)), Path(d.path), temp), lstClients_);
        item->setToolTip(item->text());  // long Wine paths do not fit the row
        // A file that names no temp directory has nothing to import.
        if (d.tempDir.empty()) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        else if (chosen < 0) chosen = static_cast<int>(i);
    }
    new QListWidgetItem(Shown(msg::FirstStartNoClient()), lstClients_);
    lstClients_->setCurrentRow(chosen >= 0 ? chosen : lstClients_->count() - 1);
    lstClients_->setMaximumHeight(lstClients_->sizeHintForRow(0) * 5 + 2 * lstClients_->frameWidth());
    layout->addWidget(lstClients_);

    auto* buttons = new QDialogButtonBox(this);
    cbOK_ = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);
    cbCancel_ = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cbCancel_->setObjectName(QStringLiteral("cbCancel"));
    connect(cbOK_, &QPushButton::clicked, this, &FirstStartDialog::onOk);
    connect(cbCancel_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

void FirstStartDialog::onOk() {
    const std::string address = tbUpdateURL_->text().trimmed().toUtf8().toStdString();
    if (!address.empty()) session_.settings.Write(Key::FakesDatDownloadURL, address);
    const int row = lstClients_->currentRow();
    // The import reports on the main window's status line, or in a box when the file names no temp directory.
    if (row >= 0 && static_cast<size_t>(row) < found_.size()) presenter_.ImportDetectedClient(found_[row]);
    accept();
}

}  // namespace kv::app
