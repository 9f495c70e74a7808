#include "FrmCheckLinks.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/DisplayText.h"
#include "usecases/ReportText.h"
#include "app/presenter/MainPresenter.h"
#include "app/presenter/Messages.h"

namespace kv::app {

namespace {

QString Show(const std::string& bytes) { return QString::fromUtf8(ToDisplayUtf8(bytes)); }

// Fakes and suspects stand out; a malformed link is greyed, it names no file.
void Mark(QTreeWidgetItem* item, LinkVerdict verdict) {
    QColor back, fore;
    bool bold = false;
    switch (verdict) {
        case LinkVerdict::Fake: back = QColor(255, 200, 200), fore = QColor(140, 0, 0), bold = true; break;
        case LinkVerdict::Suspect: back = QColor(255, 236, 179), fore = QColor(120, 70, 0), bold = true; break;
        case LinkVerdict::Malformed: fore = QColor(110, 110, 110); break;
        case LinkVerdict::Ok: return;
    }
    for (int c = 0; c < 3; ++c) {
        if (back.isValid()) item->setBackground(c, back);
        item->setForeground(c, fore);
        QFont font = item->font(c);
        font.setBold(bold);
        font.setItalic(verdict == LinkVerdict::Malformed);
        item->setFont(c, font);
    }
}

}  // namespace

FrmCheckLinks::FrmCheckLinks(MainPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("frmCheckLinks"));
    setWindowTitle(Show(msg::kCheckLinksTitle));
    setModal(true);

    auto* top = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Paste ed2k or magnet links, or any text holding them:"), this);
    prompt->setObjectName(QStringLiteral("lblLinks"));
    top->addWidget(prompt);
    tbLinks_ = new QPlainTextEdit(this);
    tbLinks_->setObjectName(QStringLiteral("tbLinks"));
    tbLinks_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tbLinks_->setTabChangesFocus(true);
    top->addWidget(tbLinks_, 2);

    auto* buttons = new QHBoxLayout;
    cbOpenFile_ = new QPushButton(QStringLiteral("&Open file..."), this);
    cbOpenFile_->setObjectName(QStringLiteral("cbOpenFile"));
    cbOpenFile_->setToolTip(QStringLiteral("Check an eMule collection or a text file"));
    // Enter checks the links even when the focus has just left the text box for this button.
    cbOpenFile_->setAutoDefault(false);
    cbCheck_ = new QPushButton(QStringLiteral("&Check"), this);
    cbCheck_->setObjectName(QStringLiteral("cbCheck"));
    cbCheck_->setDefault(true);
    cbClose_ = new QPushButton(QStringLiteral("Close"), this);
    cbClose_->setObjectName(QStringLiteral("cbClose"));
    buttons->addWidget(cbOpenFile_);
    buttons->addStretch(1);
    buttons->addWidget(cbCheck_);
    buttons->addWidget(cbClose_);
    top->addLayout(buttons);

    lvResults_ = new QTreeWidget(this);
    lvResults_->setObjectName(QStringLiteral("lvResults"));
    lvResults_->setColumnCount(3);
    lvResults_->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Filename"), QStringLiteral("Verdict")});
    lvResults_->setRootIsDecorated(false);
    lvResults_->setUniformRowHeights(true);
    lvResults_->setAllColumnsShowFocus(true);
    lvResults_->header()->setStretchLastSection(true);
    lvResults_->setColumnWidth(kLine, 50);
    lvResults_->setColumnWidth(kName, 300);
    top->addWidget(lvResults_, 3);

    stStatus_ = new QLabel(this);
    stStatus_->setObjectName(QStringLiteral("stStatus"));
    stStatus_->setTextFormat(Qt::PlainText);
    stStatus_->setWordWrap(true);
    top->addWidget(stStatus_);

    connect(cbCheck_, &QPushButton::clicked, this, &FrmCheckLinks::cbCheck_Click);
    connect(cbOpenFile_, &QPushButton::clicked, this, &FrmCheckLinks::cbOpenFile_Click);
    connect(cbClose_, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
}

void FrmCheckLinks::cbCheck_Click() {
    const QByteArray text = tbLinks_->toPlainText().toUtf8();
    if (text.trimmed().isEmpty()) {
        lvResults_->clear();
        stStatus_->setText(Show(msg::kNoLinksPasted));
        return;
    }
    const Outcome<LinkReport> outcome = presenter_.CheckLinks(std::string_view(text.constData(), size_t(text.size())));
    if (!outcome) return ShowFailure(outcome.failure);
    ShowReport(*outcome.value, QString());
}

void FrmCheckLinks::cbOpenFile_Click() {
    const std::string path = presenter_.ChooseLinksFile();
    if (path.empty()) return;
    const Outcome<LinkReport> outcome = presenter_.CheckLinksFile(path);
    if (!outcome) return ShowFailure(outcome.failure);
    ShowReport(*outcome.value, QFileInfo(QFile::decodeName(path.c_str())).fileName());
}

void FrmCheckLinks::ShowFailure(const std::string& failure) {
    lvResults_->clear();
    stStatus_->setText(Show(failure));
}

void FrmCheckLinks::ShowReport(const LinkReport& report, const QString& source) {
    lvResults_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(report.findings.size()));
    for (const LinkFinding& f : report.findings) {
        auto* item = new QTreeWidgetItem;
        item->setText(kLine, f.line > 0 ? QString::number(qulonglong(f.line)) : QString());
        item->setText(kName, Show(LinkShownName(f)));
        item->setText(kVerdict, Show(LinkVerdictText(f)));
        QString tip = Show(f.link ? f.link->Text() : f.raw);
        if (f.fake()) tip += QStringLiteral("\nNamed by ") + Show(f.listName);
        if (f.fake() && !f.suspect.empty()) tip += QStringLiteral("\nAlso suspect: ") + Show(f.suspect);
        item->setToolTip(kName, tip);
        item->setToolTip(kVerdict, item->text(kVerdict));
        Mark(item, f.verdict);
        items << item;
    }
    lvResults_->addTopLevelItems(items);
    QString status = Show(LinkCheckSummary(report));
    if (!source.isEmpty()) status = source + QStringLiteral(": ") + status;
    if (report.listRecords == 0) status += QStringLiteral("\n") + Show(msg::kNoListForLinks);
    stStatus_->setText(status);
}

QStringList FrmCheckLinks::RowTexts() const {
    QStringList rows;
    for (int i = 0; i < lvResults_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lvResults_->topLevelItem(i);
        rows << item->text(kLine) + '\t' + item->text(kName) + '\t' + item->text(kVerdict);
    }
    return rows;
}

}  // namespace kv::app
