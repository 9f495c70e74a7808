#include "FrmOptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "DesignFont.h"
#include "KvLineEdit.h"
#include "Twips.h"
#include "common/DisplayText.h"
#include "shell/Options.h"

namespace kv::app {

namespace {

QString Show(const std::string& bytes) { return QString::fromUtf8(ToDisplayUtf8(bytes)); }
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

FrmOptions::FrmOptions(Session& session, MainView& mainView, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      mainView_(mainView) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Kestrivane-Options"));
    setModal(true);
    setFont(DesignFont(this));
    setFixedSize(TwipsSize(5475, 2535, this));

    QGroupBox* fraCheck = Frame(QStringLiteral("fraCheckNewVersions"), QStringLiteral(" Check@Startup for:"), this);
    PlaceTwips(fraCheck, 90, 90, 2415, 1065);
    cbFakesDat_ = new QCheckBox(QStringLiteral("New Fakes-DB"), fraCheck);
    cbFakesDat_->setObjectName(QStringLiteral("cbFakesDat"));
    PlaceTwips(cbFakesDat_, 180, 270, 2085, 285);
    cbKestrivane_ = new QCheckBox(QStringLiteral("New Kestrivane"), fraCheck);
    cbKestrivane_->setObjectName(QStringLiteral("cbKestrivane"));
    PlaceTwips(cbKestrivane_, 180, 630, 1995, 285);

    QGroupBox* fraTabs = Frame(QStringLiteral("frmTabStops"), QStringLiteral(" Tab-Stops:"), this);
    PlaceTwips(fraTabs, 2970, 90, 2415, 1065);
    PlaceTwips(Label(QStringLiteral("lblTabStop1"), QStringLiteral("Stop-Value 1:"), fraTabs), 180, 315, 1005, 285);
    tbTabStop1_ = TextBox(QStringLiteral("tbTabStop1"), fraTabs);
    PlaceTwips(tbTabStop1_, 1530, 270, 735, 285);
    PlaceTwips(Label(QStringLiteral("lblTabStop2"), QStringLiteral("Stop-Value 2:"), fraTabs), 180, 675, 1005, 285);
    tbTabStop2_ = TextBox(QStringLiteral("tbTabStop2"), fraTabs);
    PlaceTwips(tbTabStop2_, 1530, 630, 735, 285);

    QGroupBox* fraUrl = Frame(QStringLiteral("fraInternetDLURL"), QStringLiteral(" Download URL for Fakes-DB:"), this);
    PlaceTwips(fraUrl, 90, 1260, 5295, 705);
    tbCheckFakesDatURL_ = TextBox(QStringLiteral("tbCheckFakesDatURL"), fraUrl);
    PlaceTwips(tbCheckFakesDatURL_, 180, 270, 4965, 285);

    lblFakesDatVersion_ = Label(QStringLiteral("lblFakesDatVersion"), QString(), this);
    PlaceTwips(lblFakesDatVersion_, 180, 2160, 2445, 195);

    cbOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cbOK_->setObjectName(QStringLiteral("cbOK"));
    cbOK_->setDefault(true);
    PlaceTwips(cbOK_, 2970, 2070, 1095, 375);
    cbCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cbCancel_->setObjectName(QStringLiteral("cbCancel"));
    cbCancel_->setAutoDefault(false);
    PlaceTwips(cbCancel_, 4320, 2070, 1095, 375);
    connect(cbOK_, &QPushButton::clicked, this, &FrmOptions::cbOK_Click);
    // Esc and the title-bar close reject the dialog as Cancel does.
    connect(cbCancel_, &QPushButton::clicked, this, &FrmOptions::cbCancel_Click);

    setTabOrder(cbFakesDat_, cbKestrivane_);
    setTabOrder(cbKestrivane_, tbTabStop1_);
    setTabOrder(tbTabStop1_, tbTabStop2_);
    setTabOrder(tbTabStop2_, tbCheckFakesDatURL_);
    setTabOrder(tbCheckFakesDatURL_, cbOK_);
    setTabOrder(cbOK_, cbCancel_);

    // Form_Load
    const OptionsValues values = LoadOptions(session_);
    cbKestrivane_->setChecked(values.checkKestrivane);
    cbFakesDat_->setChecked(values.checkFakesDat);
    tbTabStop1_->setText(Show(values.tabStop1));
    tbTabStop2_->setText(Show(values.tabStop2));
    tbCheckFakesDatURL_->setText(Show(values.fakesDatUrl));
    tbCheckFakesDatURL_->setCursorPosition(0);
    lblFakesDatVersion_->setText(Show(values.fakesDatVersionCaption));

    FitLabelFonts(this);

    if (parent) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(parent->geometry().center());
        move(r.topLeft());
    }
}

void FrmOptions::cbOK_Click() {
    OptionsValues values;
    values.checkKestrivane = cbKestrivane_->isChecked();
    values.checkFakesDat = cbFakesDat_->isChecked();
    values.tabStop1 = Bytes(tbTabStop1_->text());
    values.tabStop2 = Bytes(tbTabStop2_->text());
    values.fakesDatUrl = Bytes(tbCheckFakesDatURL_->text());
    SaveOptions(session_, mainView_, values);
    accept();
}

void FrmOptions::cbCancel_Click() { reject(); }

}  // namespace kv::app
