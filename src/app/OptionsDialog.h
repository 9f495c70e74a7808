#pragma once

#include <QDialog>

#include <functional>

#include "app/presenter/Session.h"
#include "app/presenter/MainView.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;

namespace kv::app {

class KvLineEdit;

// The options dialog frmOptions: loads its values from the settings when it is
// built; OK stores them and applies the tab stops, Cancel stores nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a directory (title, starting directory); "" when cancelled.
    using DirectoryChooser = std::function<QString(QWidget* parent, const QString& title, const QString& start)>;

    // chooseDirectory: the Browse button's chooser; empty: a Qt directory dialog.
    OptionsDialog(Session& session, MainView& mainView, QWidget* parent = nullptr, DirectoryChooser chooseDirectory = {});

    QCheckBox* cbFakesDat() const { return cbFakesDat_; }
    QCheckBox* cbKestrivane() const { return cbKestrivane_; }
    KvLineEdit* tbTabStop1() const { return tbTabStop1_; }
    KvLineEdit* tbTabStop2() const { return tbTabStop2_; }
    KvLineEdit* tbCheckFakesDatURL() const { return tbCheckFakesDatURL_; }
    QLabel* lblFakesDatVersion() const { return lblFakesDatVersion_; }
    KvLineEdit* tbTempDir() const { return tbTempDir_; }
    QPushButton* cbBrowseTempDir() const { return cbBrowseTempDir_; }
    KvLineEdit* tbAmuleHost() const { return tbAmuleHost_; }
    KvLineEdit* tbAmulePort() const { return tbAmulePort_; }
    KvLineEdit* tbAmulePassword() const { return tbAmulePassword_; }
    QPushButton* cbLocalAmule() const { return cbLocalAmule_; }
    QPushButton* cbOK() const { return cbOK_; }
    QPushButton* cbCancel() const { return cbCancel_; }

public slots:
    void onOk();
    void onCancel();
    void onBrowseTempDir();
    void onLocalAmule();

private:
    void BuildControls();
    QGroupBox* BuildAmuleGroup();
    QLayout* BuildButtons();
    // Logs in and stores the connection when a password was given or the local
    // aMule's taken; false (the failure shown) when that did not work.
    bool StoreAmule();
    void LoadValues();

private:
    Session& session_;
    MainView& mainView_;
    QCheckBox* cbFakesDat_ = nullptr;
    QCheckBox* cbKestrivane_ = nullptr;
    KvLineEdit* tbTabStop1_ = nullptr;
    KvLineEdit* tbTabStop2_ = nullptr;
    KvLineEdit* tbCheckFakesDatURL_ = nullptr;
    QLabel* lblFakesDatVersion_ = nullptr;
    KvLineEdit* tbTempDir_ = nullptr;
    QPushButton* cbBrowseTempDir_ = nullptr;
    DirectoryChooser chooseDirectory_;
    std::string tempDirLoaded_;
    KvLineEdit* tbAmuleHost_ = nullptr;
    KvLineEdit* tbAmulePort_ = nullptr;
    KvLineEdit* tbAmulePassword_ = nullptr;
    QPushButton* cbLocalAmule_ = nullptr;
    std::string localAmuleMd5_;  // the local amule.conf's password MD5, once taken
    QPushButton* cbOK_ = nullptr;
    QPushButton* cbCancel_ = nullptr;
};

}  // namespace kv::app
