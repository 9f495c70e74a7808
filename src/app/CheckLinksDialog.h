#pragma once

#include <QDialog>

#include "usecases/LinkCheck.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace kv {
class MainPresenter;
}

namespace kv::app {

class LinkFindingsModel;

// File > Check ed2k links...: links pasted or opened from a file, checked
// before they are downloaded. The presenter checks; the dialog only shows.
class CheckLinksDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { kLine = 0, kName = 1, kVerdict = 2 };

    explicit CheckLinksDialog(MainPresenter& presenter, QWidget* parent = nullptr);

    QPlainTextEdit* tbLinks() const { return tbLinks_; }
    QPushButton* cbOpenFile() const { return cbOpenFile_; }
    QPushButton* cbCheck() const { return cbCheck_; }
    QPushButton* cbClose() const { return cbClose_; }
    QTableView* lvResults() const { return lvResults_; }
    LinkFindingsModel* Model() const { return model_; }
    QLabel* stStatus() const { return stStatus_; }
    QPushButton* cbAddToAmule() const { return cbAddToAmule_; }

    // The rows as "line<TAB>name<TAB>verdict", for tests and screenshots.
    QStringList RowTexts() const;

public slots:
    void onCheck();
    void onOpenFile();
    void onAddToAmule();

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowReport(const LinkReport& report, const QString& source);
    void ShowFailure(const std::string& failure);
    void ShowCleanLinks(std::vector<Ed2kLink> clean);

    MainPresenter& presenter_;
    QPlainTextEdit* tbLinks_ = nullptr;
    QPushButton* cbOpenFile_ = nullptr;
    QPushButton* cbCheck_ = nullptr;
    QPushButton* cbClose_ = nullptr;
    QTableView* lvResults_ = nullptr;
    LinkFindingsModel* model_ = nullptr;
    QLabel* stStatus_ = nullptr;
    QPushButton* cbAddToAmule_ = nullptr;
    std::vector<Ed2kLink> clean_;  // the last check's clean links, until they are added
};

}  // namespace kv::app
