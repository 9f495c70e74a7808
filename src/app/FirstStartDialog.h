#pragma once

#include <QDialog>

#include <vector>

#include "usecases/ClientDetection.h"
#include "app/presenter/Session.h"
#include "app/presenter/MainPresenter.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kv::app {

// The first start: the client files found, what the fake list is, its update
// address, and that the content check works without one. OK imports the
// chosen file through the presenter and stores the address; Cancel stores nothing.
class FirstStartDialog : public QDialog {
    Q_OBJECT
public:
    FirstStartDialog(Session& session, MainPresenter& presenter, std::vector<DetectedClient> found,
                  QWidget* parent = nullptr);

    QLabel* lblFakeList() const { return lblFakeList_; }
    QLabel* lblContentCheck() const { return lblContentCheck_; }
    // One row per file found, then the "none of these" row.
    QListWidget* lstClients() const { return lstClients_; }
    QLineEdit* tbUpdateURL() const { return tbUpdateURL_; }
    QPushButton* cbOK() const { return cbOK_; }
    QPushButton* cbCancel() const { return cbCancel_; }

public slots:
    void onOk();

private:
    Session& session_;
    MainPresenter& presenter_;
    std::vector<DetectedClient> found_;
    QLabel* lblFakeList_ = nullptr;
    QLabel* lblContentCheck_ = nullptr;
    QListWidget* lstClients_ = nullptr;
    QLineEdit* tbUpdateURL_ = nullptr;
    QPushButton* cbOK_ = nullptr;
    QPushButton* cbCancel_ = nullptr;
};

}  // namespace kv::app
