#include "CheckLinksDialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "LinkFindingsModel.h"
#include "Translations.h"
#include "common/DisplayText.h"
#include "usecases/AmuleLinks.h"
#include "usecases/ReportText.h"
#include "app/presenter/MainPresenter.h"
#include "app/presenter/Messages.h"

namespace kv::app {


CheckLinksDialog::CheckLinksDialog(MainPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("frmCheckLinks"));
    setWindowTitle(Shown(msg::CheckLinksTitle()));
    setModal(true);

    auto* top = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Paste ed2k or magnet links, or any text holding them:"), this);
    prompt->setObjectName(QStringLiteral("lblLinks"));
    top->addWidget(prompt);
    tbLinks_ = new QPlainTextEdit(this);
    tbLinks_->setObjectName(QStringLiteral("tbLinks"));
    tbLinks_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tbLinks_->setTabChangesFocus(true);
    top->addWidget(tbLinks_, 2);

    auto* buttons = new QHBoxLayout;
    cbOpenFile_ = new QPushButton(tr("&Open file..."), this);
    cbOpenFile_->setObjectName(QStringLiteral("cbOpenFile"));
    cbOpenFile_->setToolTip(tr("Check an eMule collection or a text file"));
    // Enter checks the links even when the focus has just left the text box for this button.
    cbOpenFile_->setAutoDefault(false);
    cbCheck_ = new QPushButton(tr("&Check"), this);
    cbCheck_->setObjectName(QStringLiteral("cbCheck"));
    cbCheck_->setDefault(true);
    cbClose_ = new QPushButton(tr("Close"), this);
    cbClose_->setObjectName(QStringLiteral("cbClose"));
    buttons->addWidget(cbOpenFile_);
    buttons->addStretch(1);
    buttons->addWidget(cbCheck_);
    buttons->addWidget(cbClose_);
    top->addLayout(buttons);

    lvResults_ = new QTableView(this);
    lvResults_->setObjectName(QStringLiteral("lvResults"));
    model_ = new LinkFindingsModel(this);
    model_->SetPalette(lvResults_->palette());
    lvResults_->setModel(model_);
    lvResults_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvResults_->setShowGrid(false);
    lvResults_->setWordWrap(false);
    lvResults_->verticalHeader()->hide();
    lvResults_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvResults_->verticalHeader()->setDefaultSectionSize(QFontMetrics(lvResults_->font()).height() + 4);
    lvResults_->horizontalHeader()->setStretchLastSection(true);
    lvResults_->setColumnWidth(kLine, 50);
    lvResults_->setColumnWidth(kName, 300);
    top->addWidget(lvResults_, 3);

    auto* bottom = new QHBoxLayout;
    stStatus_ = new QLabel(this);
    stStatus_->setObjectName(QStringLiteral("stStatus"));
    stStatus_->setTextFormat(Qt::PlainText);
    stStatus_->setWordWrap(true);
    bottom->addWidget(stStatus_, 1);
    cbAddToAmule_ = new QPushButton(tr("&Add the clean links to aMule"), this);
    cbAddToAmule_->setObjectName(QStringLiteral("cbAddToAmule"));
    cbAddToAmule_->setToolTip(tr("Only the links judged OK, never a fake or a suspect; the aMule connection is set in Extras > Options"));
    cbAddToAmule_->setAutoDefault(false);
    cbAddToAmule_->setEnabled(false);
    bottom->addWidget(cbAddToAmule_, 0, Qt::AlignTop);
    top->addLayout(bottom);

    connect(cbCheck_, &QPushButton::clicked, this, &CheckLinksDialog::onCheck);
    connect(cbOpenFile_, &QPushButton::clicked, this, &CheckLinksDialog::onOpenFile);
    connect(cbAddToAmule_, &QPushButton::clicked, this, &CheckLinksDialog::onAddToAmule);
    connect(cbClose_, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
}

void CheckLinksDialog::onCheck() {
    const QByteArray text = tbLinks_->toPlainText().toUtf8();
    if (text.trimmed().isEmpty()) {
        model_->Shown({});
        ShowCleanLinks({});
        stStatus_->setText(Shown(msg::NoLinksPasted()));
        return;
    }
    const Outcome<LinkReport> outcome = presenter_.CheckLinks(std::string_view(text.constData(), size_t(text.size())));
    if (!outcome) return ShowFailure(outcome.failure);
    ShowReport(*outcome.value, QString());
}

void CheckLinksDialog::onOpenFile() {
    const std::string path = presenter_.ChooseLinksFile();
    if (path.empty()) return;
    const Outcome<LinkReport> outcome = presenter_.CheckLinksFile(path);
    if (!outcome) return ShowFailure(outcome.failure);
    ShowReport(*outcome.value, QFileInfo(QFile::decodeName(path.c_str())).fileName());
}

void CheckLinksDialog::onAddToAmule() {
    if (clean_.empty()) return;
    std::string said;
    const bool all = presenter_.AddLinksToAmule(clean_, said);
    QStringList lines;
    for (size_t at = 0; at <= said.size();) {
        const size_t end = std::min(said.find('\n', at), said.size());
        lines << Shown(said.substr(at, end - at));
        at = end + 1;
    }
    stStatus_->setText(lines.join(QLatin1Char('\n')));
    // Added once: a second click would only have aMule refuse them all.
    if (all) ShowCleanLinks({});
}

void CheckLinksDialog::ShowCleanLinks(std::vector<Ed2kLink> clean) {
    clean_ = std::move(clean);
    cbAddToAmule_->setEnabled(!clean_.empty() && presenter_.AmuleConnectionStored());
}

void CheckLinksDialog::ShowFailure(const std::string& failure) {
    model_->Shown({});
    ShowCleanLinks({});
    stStatus_->setText(Shown(failure));
}

void CheckLinksDialog::ShowReport(const LinkReport& report, const QString& source) {
    model_->Shown(report.findings);
    ShowCleanLinks(CleanLinks(report));
    QString status = Shown(LinkCheckSummary(report, VerdictWords()));
    if (!source.isEmpty()) status = source + QStringLiteral(": ") + status;
    if (report.listRecords == 0) status += QStringLiteral("\n") + Shown(msg::NoListForLinks());
    stStatus_->setText(status);
}

QStringList CheckLinksDialog::RowTexts() const {
    QStringList rows;
    for (int r = 0; r < model_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model_->columnCount(); ++c) cells << model_->index(r, c).data().toString();
        rows << cells.join('\t');
    }
    return rows;
}

void CheckLinksDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && model_) model_->SetPalette(palette());
}

}  // namespace kv::app
