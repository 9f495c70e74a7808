#include "OptionsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>

#include "DesignFont.h"
#include "KvLineEdit.h"
#include "Translations.h"
#include "common/DisplayText.h"
#include "app/presenter/Messages.h"
#include "app/presenter/AmuleLink.h"
#include "app/presenter/Options.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"

namespace kv::app {

namespace {

constexpr int kMaxTabStop = 32767;

std::string Bytes(const QString& text) { return text.toUtf8().toStdString(); }

// A width of n average characters of widget's font.
int Chars(const QWidget* widget, int n) { return widget->fontMetrics().averageCharWidth() * n; }

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
    BuildControls();
    LoadValues();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    if (parent) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(parent->geometry().center());
        move(r.topLeft());
    }
}

void OptionsDialog::BuildControls() {
    QGroupBox* fraCheck = Frame(QStringLiteral("fraCheckNewVersions"), tr(" Check@Startup for:"), this);
    cbFakesDat_ = new QCheckBox(tr("New Fakes-DB"), fraCheck);
    cbFakesDat_->setObjectName(QStringLiteral("cbFakesDat"));
    cbKestrivane_ = new QCheckBox(tr("New Kestrivane"), fraCheck);
    cbKestrivane_->setObjectName(QStringLiteral("cbKestrivane"));
    auto* checks = new QVBoxLayout(fraCheck);
    checks->addWidget(cbFakesDat_);
    checks->addWidget(cbKestrivane_);

    QGroupBox* fraTabs = Frame(QStringLiteral("frmTabStops"), tr(" Tab-Stops:"), this);
    tbTabStop1_ = TextBox(QStringLiteral("tbTabStop1"), fraTabs);
    tbTabStop2_ = TextBox(QStringLiteral("tbTabStop2"), fraTabs);
    auto* tabs = new QFormLayout(fraTabs);
    tabs->addRow(Label(QStringLiteral("lblTabStop1"), tr("Stop-Value 1:"), fraTabs), tbTabStop1_);
    tabs->addRow(Label(QStringLiteral("lblTabStop2"), tr("Stop-Value 2:"), fraTabs), tbTabStop2_);
    // Tab stops are whole dialog units: other keys are refused as typed.
    for (KvLineEdit* box : {tbTabStop1_, tbTabStop2_}) {
        box->setValidator(new QIntValidator(0, kMaxTabStop, box));
        box->setFixedWidth(Chars(box, 8));
    }

    QGroupBox* fraUrl = Frame(QStringLiteral("fraInternetDLURL"), tr(" Download URL for Fakes-DB:"), this);
    tbCheckFakesDatURL_ = TextBox(QStringLiteral("tbCheckFakesDatURL"), fraUrl);
    tbCheckFakesDatURL_->setMinimumWidth(Chars(tbCheckFakesDatURL_, 54));
    (new QHBoxLayout(fraUrl))->addWidget(tbCheckFakesDatURL_);

    QGroupBox* fraTemp = Frame(QStringLiteral("fraTempDir"), Shown(msg::OptionsTempDir()), this);
    tbTempDir_ = TextBox(QStringLiteral("tbTempDir"), fraTemp);
    cbBrowseTempDir_ = new QPushButton(Shown(msg::OptionsBrowse()), fraTemp);
    cbBrowseTempDir_->setObjectName(QStringLiteral("cbBrowseTempDir"));
    cbBrowseTempDir_->setAutoDefault(false);
    connect(cbBrowseTempDir_, &QPushButton::clicked, this, &OptionsDialog::onBrowseTempDir);
    auto* temp = new QHBoxLayout(fraTemp);
    temp->addWidget(tbTempDir_, 1);
    temp->addWidget(cbBrowseTempDir_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(fraCheck, 0, 0);
    grid->addWidget(fraTabs, 0, 1);
    grid->addWidget(fraUrl, 1, 0, 1, 2);
    grid->addWidget(fraTemp, 2, 0, 1, 2);
    grid->addWidget(BuildAmuleGroup(), 3, 0, 1, 2);
    grid->addLayout(BuildButtons(), 4, 0, 1, 2);
}

QGroupBox* OptionsDialog::BuildAmuleGroup() {
    QGroupBox* fraAmule = Frame(QStringLiteral("fraAmule"), tr(" aMule connection:"), this);
    tbAmuleHost_ = TextBox(QStringLiteral("tbAmuleHost"), fraAmule);
    tbAmulePort_ = TextBox(QStringLiteral("tbAmulePort"), fraAmule);
    tbAmulePort_->setValidator(new QIntValidator(1, 65535, tbAmulePort_));
    tbAmulePassword_ = TextBox(QStringLiteral("tbAmulePassword"), fraAmule);
    tbAmulePassword_->setEchoMode(QLineEdit::Password);
    // A typed password replaces the one taken from amule.conf.
    connect(tbAmulePassword_, &QLineEdit::textEdited, this, [this] { localAmuleMd5_.clear(); });
    cbLocalAmule_ = new QPushButton(tr("Use the &local aMule"), fraAmule);
    cbLocalAmule_->setObjectName(QStringLiteral("cbLocalAmule"));
    cbLocalAmule_->setAutoDefault(false);
    connect(cbLocalAmule_, &QPushButton::clicked, this, &OptionsDialog::onLocalAmule);

    auto* grid = new QGridLayout(fraAmule);
    grid->addWidget(Label(QStringLiteral("lblAmuleHost"), tr("Host:"), fraAmule), 0, 0);
    grid->addWidget(tbAmuleHost_, 0, 1);
    grid->addWidget(Label(QStringLiteral("lblAmulePort"), tr("Port:"), fraAmule), 0, 2);
    grid->addWidget(tbAmulePort_, 0, 3);
    grid->addWidget(Label(QStringLiteral("lblAmulePassword"), tr("Password:"), fraAmule), 1, 0);
    grid->addWidget(tbAmulePassword_, 1, 1);
    grid->addWidget(cbLocalAmule_, 1, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return fraAmule;
}

QLayout* OptionsDialog::BuildButtons() {
    lblFakesDatVersion_ = Label(QStringLiteral("lblFakesDatVersion"), QString(), this);

    cbOK_ = new QPushButton(tr("&OK"), this);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);
    cbCancel_ = new QPushButton(tr("&Cancel"), this);
    cbCancel_->setObjectName(QStringLiteral("cbCancel"));
    cbCancel_->setAutoDefault(false);
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

    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 0, 0, 0);
    row->addWidget(lblFakesDatVersion_, 1);
    for (QPushButton* b : {cbOK_, cbCancel_}) {
        b->setMinimumWidth(Chars(b, 12));
        row->addWidget(b);
    }
    return row;
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
