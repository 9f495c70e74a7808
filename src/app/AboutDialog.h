#pragma once

#include <QDialog>
#include <QLabel>

#include "app/presenter/Session.h"
#include "app/presenter/MainView.h"

class QPushButton;

namespace kv::app {

// A label that acts as a link: blue, underlined, a pointing hand over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The about box frmInfo.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const Session& session, MainView& mainView, QWidget* parent = nullptr);

    QLabel* imInfo() const { return imInfo_; }
    QLabel* lblText1() const { return lblText1_; }
    LinkLabel* lblFakesDBText() const { return lblFakesDBText_; }
    LinkLabel* lblMailText() const { return lblMailText_; }
    LinkLabel* lblDLText() const { return lblDLText_; }
    QPushButton* cbOK() const { return cbOK_; }

public slots:
    void onListLink();
    void onMailLink();
    void onDownloadLink();

private:
    const Session& session_;
    MainView& mainView_;
    QLabel* imInfo_ = nullptr;
    QLabel* lblText1_ = nullptr;
    LinkLabel* lblFakesDBText_ = nullptr;
    LinkLabel* lblMailText_ = nullptr;
    LinkLabel* lblDLText_ = nullptr;
    QPushButton* cbOK_ = nullptr;
};

}  // namespace kv::app
