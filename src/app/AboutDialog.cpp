#include "AboutDialog.h"

#include "Translations.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "DesignFont.h"
#include "Resources.h"
#include "common/DisplayText.h"
#include "app/presenter/About.h"
#include "usecases/ProgramVersion.h"

namespace kv::app {

namespace {

QLabel* Label(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

AboutDialog::AboutDialog(const Session& session, MainView& mainView, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      mainView_(mainView) {
    EnsureResources();
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(Shown(AboutCaption()));
    setModal(true);
    setFont(DesignFont(this));

    imInfo_ = new QLabel(this);
    imInfo_->setObjectName(QStringLiteral("imInfo"));
    imInfo_->setPixmap(QPixmap(QStringLiteral(":/kestrivane/about.png")));
    imInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QString credit = Shown(AboutCreditText());
    credit.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblText1_ = Label(QStringLiteral("lblText1"), credit, this);
    lblText1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* head = new QHBoxLayout;
    head->setSpacing(18);
    head->addWidget(imInfo_, 0, Qt::AlignTop);
    head->addWidget(lblText1_, 1, Qt::AlignTop);

    const auto link = [this](const QString& name, const std::string& address) {
        auto* label = new LinkLabel(this);
        label->setObjectName(name);
        label->setText(Shown(address));
        return label;
    };
    lblFakesDBText_ = link(QStringLiteral("lblFakesDBText"), session.addresses.community);
    lblMailText_ = link(QStringLiteral("lblMailText"), FeedbackAddress(session, session));
    lblDLText_ = link(QStringLiteral("lblDLText"), ProgramSiteAddress(session, session));
    auto* links = new QFormLayout;
    links->setContentsMargins(6, 6, 0, 0);
    links->setHorizontalSpacing(18);
    links->setVerticalSpacing(4);
    links->setLabelAlignment(Qt::AlignLeft);
    links->addRow(Label(QStringLiteral("lblFakesDB"), QStringLiteral("Fakes-DB:"), this), lblFakesDBText_);
    links->addRow(Label(QStringLiteral("lblMail"), QStringLiteral("Mailto:"), this), lblMailText_);
    links->addRow(Label(QStringLiteral("lblDL"), QStringLiteral("DL:"), this), lblDLText_);

    cbOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);  // Enter presses it; Esc rejects, which also closes
    cbOK_->setMinimumWidth(fontMetrics().averageCharWidth() * 12);
    connect(cbOK_, &QPushButton::clicked, this, &QDialog::accept);

    connect(lblFakesDBText_, &LinkLabel::clicked, this, &AboutDialog::onListLink);
    connect(lblMailText_, &LinkLabel::clicked, this, &AboutDialog::onMailLink);
    connect(lblDLText_, &LinkLabel::clicked, this, &AboutDialog::onDownloadLink);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 12, 8);
    column->addLayout(head);
    column->addLayout(links);
    column->addSpacing(6);
    column->addWidget(cbOK_, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void AboutDialog::onListLink() {
    OpenAboutLink(mainView_, lblFakesDBText_->text().toUtf8().toStdString());
}

void AboutDialog::onDownloadLink() {
    OpenAboutLink(mainView_, lblDLText_->text().toUtf8().toStdString());
}

void AboutDialog::onMailLink() { SendFeedbackMail(session_, mainView_); }

}  // namespace kv::app
