#include "OptionsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>

#include "DesignFont.h"
#include "KvLineEdit.h"
#include "Translations.h"
#include "Twips.h"
#include "common/DisplayText.h"
#include "app/presenter/Messages.h"
#include "app/presenter/AmuleLink.h"
#include "app/presenter/Options.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"

namespace kv::app {

namespace {

// The temp directory's row below the update address pushes the rest down.
constexpr int kTempDirRowTwips = 810;
// The aMule group below it, likewise.
constexpr int kAmuleRowTwips = 1170;
constexpr int kMaxTabStop = 32767;

std::string Bytes(const QString& text) { return text.toUtf8().toStdString(); }

QGroupBox* Frame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLabel* Label(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

KvLineEdit* TextBox(const QString& name, QWidget* parent) {
    auto* box = new KvLineEdit(parent);
    box->setObjectName(name);
    // Typing replaces the value: the whole text is selected on focus.
    QObject::connect(box, &KvLineEdit::gotFocus, box, &QLineEdit::selectAll);
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(Session& session, MainView& mainView, QWidget* parent, DirectoryChooser chooseDirectory)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      mainView_(mainView),
      chooseDirectory_(std::move(chooseDirectory)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Kestrivane-Options"));
    setModal(true);
    setFont(DesignFont(this));
    setFixedSize(TwipsSize(5475, 2535 + kTempDirRowTwips + kAmuleRowTwips, this));
    BuildControls();
    LoadValues();
    FitLabelFonts(this);

    if (parent) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(parent->geometry().center());
        move(r.topLeft());
    }
}

void OptionsDialog::BuildControls() {

    QGroupBox* fraCheck = Frame(QStringLiteral("fraCheckNewVersions"), tr(" Check@Startup for:"), this);
    PlaceTwips(fraCheck, 90, 90, 2415, 1065);
    cbFakesDat_ = new QCheckBox(tr("New Fakes-DB"), fraCheck);
    cbFakesDat_->setObjectName(QStringLiteral("cbFakesDat"));
    PlaceTwips(cbFakesDat_, 180, 270, 2085, 285);
    cbKestrivane_ = new QCheckBox(tr("New Kestrivane"), fraCheck);
    cbKestrivane_->setObjectName(QStringLiteral("cbKestrivane"));
    PlaceTwips(cbKestrivane_, 180, 630, 1995, 285);

    QGroupBox* fraTabs = Frame(QStringLiteral("frmTabStops"), tr(" Tab-Stops:"), this);
    PlaceTwips(fraTabs, 2970, 90, 2415, 1065);
    PlaceTwips(Label(QStringLiteral("lblTabStop1"), tr("Stop-Value 1:"), fraTabs), 180, 315, 1005, 285);
    tbTabStop1_ = TextBox(QStringLiteral("tbTabStop1"), fraTabs);
    PlaceTwips(tbTabStop1_, 1530, 270, 735, 285);
    PlaceTwips(Label(QStringLiteral("lblTabStop2"), tr("Stop-Value 2:"), fraTabs), 180, 675, 1005, 285);
    tbTabStop2_ = TextBox(QStringLiteral("tbTabStop2"), fraTabs);
    PlaceTwips(tbTabStop2_, 1530, 630, 735, 285);
    // Tab stops are whole dialog units: other keys are refused as typed.
    for (KvLineEdit* box : {tbTabStop1_, tbTabStop2_}) box->setValidator(new QIntValidator(0, kMaxTabStop, box));

    QGroupBox* fraUrl = Frame(QStringLiteral("fraInternetDLURL"), tr(" Download URL for Fakes-DB:"), this);
    PlaceTwips(fraUrl, 90, 1260, 5295, 705);
    tbCheckFakesDatURL_ = TextBox(QStringLiteral("tbCheckFakesDatURL"), fraUrl);
    PlaceTwips(tbCheckFakesDatURL_, 180, 270, 4965, 285);

    QGroupBox* fraTemp = Frame(QStringLiteral("fraTempDir"), Shown(msg::OptionsTempDir()), this);
    PlaceTwips(fraTemp, 90, 2070, 5295, 705);
    tbTempDir_ = TextBox(QStringLiteral("tbTempDir"), fraTemp);
    PlaceTwips(tbTempDir_, 180, 270, 3825, 285);
    cbBrowseTempDir_ = new QPushButton(Shown(msg::OptionsBrowse()), fraTemp);
    cbBrowseTempDir_->setObjectName(QStringLiteral("cbBrowseTempDir"));
    cbBrowseTempDir_->setAutoDefault(false);
    PlaceTwips(cbBrowseTempDir_, 4095, 240, 1095, 345);
    connect(cbBrowseTempDir_, &QPushButton::clicked, this, &OptionsDialog::onBrowseTempDir);

    BuildAmuleGroup();
    BuildButtons();
}

void OptionsDialog::BuildAmuleGroup() {
    QGroupBox* fraAmule = Frame(QStringLiteral("fraAmule"), tr(" aMule connection:"), this);
    PlaceTwips(fraAmule, 90, 2070 + kTempDirRowTwips, 5295, 1065);
    PlaceTwips(Label(QStringLiteral("lblAmuleHost"), tr("Host:"), fraAmule), 180, 315, 900, 285);
    tbAmuleHost_ = TextBox(QStringLiteral("tbAmuleHost"), fraAmule);
    PlaceTwips(tbAmuleHost_, 1080, 270, 1935, 285);
    PlaceTwips(Label(QStringLiteral("lblAmulePort"), tr("Port:"), fraAmule), 3195, 315, 600, 285);
    tbAmulePort_ = TextBox(QStringLiteral("tbAmulePort"), fraAmule);
    tbAmulePort_->setValidator(new QIntValidator(1, 65535, tbAmulePort_));
    PlaceTwips(tbAmulePort_, 3870, 270, 1320, 285);
    PlaceTwips(Label(QStringLiteral("lblAmulePassword"), tr("Password:"), fraAmule), 180, 675, 900, 285);
    tbAmulePassword_ = TextBox(QStringLiteral("tbAmulePassword"), fraAmule);
    tbAmulePassword_->setEchoMode(QLineEdit::Password);
    PlaceTwips(tbAmulePassword_, 1080, 630, 1935, 285);
    // A typed password replaces the one taken from amule.conf.
    connect(tbAmulePassword_, &QLineEdit::textEdited, this, [this] { localAmuleMd5_.clear(); });
    cbLocalAmule_ = new QPushButton(tr("Use the &local aMule"), fraAmule);
    cbLocalAmule_->setObjectName(QStringLiteral("cbLocalAmule"));
    cbLocalAmule_->setAutoDefault(false);
    PlaceTwips(cbLocalAmule_, 3195, 600, 1995, 345);
    connect(cbLocalAmule_, &QPushButton::clicked, this, &OptionsDialog::onLocalAmule);
}

void OptionsDialog::BuildButtons() {
    lblFakesDatVersion_ = Label(QStringLiteral("lblFakesDatVersion"), QString(), this);
    PlaceTwips(lblFakesDatVersion_, 180, 2160 + kTempDirRowTwips + kAmuleRowTwips, 2445, 195);

    cbOK_ = new QPushButton(tr("&OK"), this);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);
    PlaceTwips(cbOK_, 2970, 2070 + kTempDirRowTwips + kAmuleRowTwips, 1095, 375);
    cbCancel_ = new QPushButton(tr("&Cancel"), this);
    cbCancel_->setObjectName(QStringLiteral("cbCancel"));
    cbCancel_->setAutoDefault(false);
    PlaceTwips(cbCancel_, 4320, 2070 + kTempDirRowTwips + kAmuleRowTwips, 1095, 375);
    connect(cbOK_, &QPushButton::clicked, this, &OptionsDialog::onOk);
    // Esc and the title-bar close reject the dialog as Cancel does.
    connect(cbCancel_, &QPushButton::clicked, this, &OptionsDialog::onCancel);

    setTabOrder(cbFakesDat_, cbKestrivane_);
    setTabOrder(cbKestrivane_, tbTabStop1_);
    setTabOrder(tbTabStop1_, tbTabStop2_);
    setTabOrder(tbTabStop2_, tbCheckFakesDatURL_);
    setTabOrder(tbCheckFakesDatURL_, tbTempDir_);
    setTabOrder(tbTempDir_, cbBrowseTempDir_);
    setTabOrder(cbBrowseTempDir_, tbAmuleHost_);
    setTabOrder(tbAmuleHost_, tbAmulePort_);
    setTabOrder(tbAmulePort_, tbAmulePassword_);
    setTabOrder(tbAmulePassword_, cbLocalAmule_);
    setTabOrder(cbLocalAmule_, cbOK_);
    setTabOrder(cbOK_, cbCancel_);

}

void OptionsDialog::LoadValues() {
    const OptionsValues values = LoadOptions(session_);
    cbKestrivane_->setChecked(values.checkKestrivane);
    cbFakesDat_->setChecked(values.checkFakesDat);
    tbTabStop1_->setText(Shown(values.tabStop1));
    tbTabStop2_->setText(Shown(values.tabStop2));
    tbCheckFakesDatURL_->setText(Shown(values.fakesDatUrl));
    tbCheckFakesDatURL_->setCursorPosition(0);
    lblFakesDatVersion_->setText(Shown(values.fakesDatVersionCaption));
    tbTempDir_->setText(QFile::decodeName(values.tempDir.c_str()));
    tbTempDir_->setCursorPosition(0);
    tempDirLoaded_ = values.tempDirLoaded;
    const AmuleConnection amule = StoredAmule(session_).value_or(AmuleConnection{});
    tbAmuleHost_->setText(Shown(amule.host));
    tbAmulePort_->setText(QString::number(amule.port));
}

void OptionsDialog::onOk() {
    // A pasted or stored text that is no number is refused, not stored.
    for (KvLineEdit* box : {tbTabStop1_, tbTabStop2_}) {
        if (box->text().trimmed().isEmpty() || box->hasAcceptableInput()) continue;
        mainView_.MessageBox(msg::TabStopNotANumber(), BoxIcon::Critical, msg::kAppTitle);
        box->setFocus();
        box->selectAll();
        return;
    }
    OptionsValues values;
    values.checkKestrivane = cbKestrivane_->isChecked();
    values.checkFakesDat = cbFakesDat_->isChecked();
    values.tabStop1 = Bytes(tbTabStop1_->text());
    values.tabStop2 = Bytes(tbTabStop2_->text());
    values.fakesDatUrl = Bytes(tbCheckFakesDatURL_->text());
    values.tempDir = QFile::encodeName(tbTempDir_->text()).toStdString();
    values.tempDirLoaded = tempDirLoaded_;
    if (!StoreAmule()) return;
    SaveOptions(session_, mainView_, values);
    accept();
}

bool OptionsDialog::StoreAmule() {
    AmuleLogin login{Bytes(tbAmuleHost_->text().trimmed()), Bytes(tbAmulePort_->text().trimmed()),
                     Bytes(tbAmulePassword_->text()), localAmuleMd5_};
    if (login.password.empty() && login.passwordMd5.empty()) return true;  // the aMule group was not used
    std::string version;
    const std::string failure = ConnectAndStoreAmule(session_, login, version);
    if (!failure.empty()) {
        mainView_.MessageBox(failure, BoxIcon::Critical, msg::kAppTitle);
        tbAmulePassword_->setFocus();
        return false;
    }
    mainView_.SetStatus(msg::AmuleConnected(version));
    return true;
}

void OptionsDialog::onLocalAmule() {
    const std::optional<LocalAmuleConf> local = LocalAmule(UserHomeDirectory());
    if (!local || !local->accepted) {
        mainView_.MessageBox(local ? msg::AmuleNotAccepting() : msg::AmuleNoConf(), BoxIcon::Critical, msg::kAppTitle);
        return;
    }
    tbAmuleHost_->setText(Shown(local->connection.host));
    tbAmulePort_->setText(QString::number(local->connection.port));
    tbAmulePassword_->clear();
    localAmuleMd5_ = local->connection.passwordMd5;
}

void OptionsDialog::onCancel() { reject(); }

void OptionsDialog::onBrowseTempDir() {
    const QString title = Shown(msg::OptionsChooseTempDir());
    QString start = tbTempDir_->text();
    if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
    const QString chosen = chooseDirectory_ ? chooseDirectory_(this, title, start)
                                            : QFileDialog::getExistingDirectory(
                                                  this, title, start,
                                                  QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty()) tbTempDir_->setText(QDir::toNativeSeparators(chosen));
}

}  // namespace kv::app
