#include "AboutDialog.h"

#include "Translations.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "DesignFont.h"
#include "Resources.h"
#include "Twips.h"
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
    setFixedSize(TwipsSize(3915, 2430, this));

    imInfo_ = new QLabel(this);
    imInfo_->setObjectName(QStringLiteral("imInfo"));
    imInfo_->setPixmap(QPixmap(QStringLiteral(":/kestrivane/about.png")));
    imInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(imInfo_, 90, 90, 690, 735);

    QString credit = Shown(AboutCreditText());
    credit.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblText1_ = Label(QStringLiteral("lblText1"), credit, this);
    lblText1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(lblText1_, 1080, 180, 2625, 645);

    PlaceTwips(Label(QStringLiteral("lblFakesDB"), QStringLiteral("Fakes-DB:"), this), 180, 990, 735, 195);
    lblFakesDBText_ = new LinkLabel(this);
    lblFakesDBText_->setObjectName(QStringLiteral("lblFakesDBText"));
    lblFakesDBText_->setText(Shown(session.addresses.community));
    PlaceTwips(lblFakesDBText_, 1080, 990, 2445, 285);

    PlaceTwips(Label(QStringLiteral("lblMail"), QStringLiteral("Mailto:"), this), 180, 1260, 645, 195);
    lblMailText_ = new LinkLabel(this);
    lblMailText_->setObjectName(QStringLiteral("lblMailText"));
    lblMailText_->setText(Shown(FeedbackAddress(session, session)));
    PlaceTwips(lblMailText_, 1080, 1260, 2445, 285);

    PlaceTwips(Label(QStringLiteral("lblDL"), QStringLiteral("DL:"), this), 180, 1530, 645, 285);
    lblDLText_ = new LinkLabel(this);
    lblDLText_->setObjectName(QStringLiteral("lblDLText"));
    lblDLText_->setText(Shown(ProgramSiteAddress(session, session)));
    PlaceTwips(lblDLText_, 1080, 1530, 2445, 285);

    cbOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);  // Enter presses it; Esc rejects, which also closes
    PlaceTwips(cbOK_, 1530, 1980, 1095, 325);
    connect(cbOK_, &QPushButton::clicked, this, &QDialog::accept);

    connect(lblFakesDBText_, &LinkLabel::clicked, this, &AboutDialog::onListLink);
    connect(lblMailText_, &LinkLabel::clicked, this, &AboutDialog::onMailLink);
    connect(lblDLText_, &LinkLabel::clicked, this, &AboutDialog::onDownloadLink);

    FitLabelFonts(this);

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
