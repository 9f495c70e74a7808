#pragma once

#include <QMainWindow>
#include <QString>
#include <QVector>

#include <functional>
#include <string>

#include <memory>

#include "app/presenter/Session.h"
#include "app/presenter/MainPresenter.h"
#include "app/presenter/MainView.h"

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace kv::app {

class FindingsModel;
class KvLineEdit;
class Worker;

// What the window does with the desktop. Tests replace these so that no modal
// box, file dialog, browser or pop-up menu blocks them.
struct DesktopHooks {
    std::function<void(QWidget* parent, const QString& text, BoxIcon icon, const QString& title)>
        messageBox;
    std::function<FileChoice(QWidget* parent, const FileChooserRequest& request)> chooseFile;
    std::function<bool(const QString& address)> openAddress;
    // Shows a modal dialog and returns its result.
    std::function<int(QDialog& dialog)> runDialog;
    // Shows the link menu at a screen position.
    std::function<void(QMenu& menu, const QPoint& globalPos)> popupMenu;
    // Ends the program once the window has closed.
    std::function<void()> quit;
    // Asks for a directory (the options' temp directory); "" when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& start)> chooseDirectory;
};

// The defaults: Qt message boxes, a Qt (non-native) file dialog, QDesktopServices.
DesktopHooks DefaultDesktopHooks();

// The main window frmStart.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    // Builds the window and runs its load (View switches, start-up checks,
    // search text, tab stops, fake list) on session.
    explicit MainWindow(Session& session, DesktopHooks hooks = DefaultDesktopHooks(), QWidget* parent = nullptr);
    // The same on a session of its own for programDir.
    explicit MainWindow(const std::string& programDir, DesktopHooks hooks = DefaultDesktopHooks(),
                      QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& State() { return session_; }
    DesktopHooks& Hooks() { return hooks_; }

    // Controls, by their names.
    QGroupBox* frmSearch() const { return frmSearch_; }
    QLabel* lblTitelSearch() const { return lblTitelSearch_; }
    KvLineEdit* tbTitelSearch() const { return tbTitelSearch_; }
    QPushButton* cbTitelSearch() const { return cbTitelSearch_; }
    QPushButton* cbDownloadFakesDB() const { return cbDownloadFakesDB_; }
    QPushButton* cbCheckFiles() const { return cbCheckFiles_; }
    QPushButton* cbCheckAmule() const { return cbCheckAmule_; }
    QTableView* resultsView() const { return resultsView_; }
    FindingsModel* Model() const { return model_; }
    QGroupBox* frmStatus() const { return frmStatus_; }
    QLabel* stStatus() const { return stStatus_; }
    QMenu* RowMenu() const { return rowMenu_; }
    // The button that Enter presses.
    QPushButton* DefaultButton() const { return defaultButton_; }
    // Whether start-up should offer the first-start dialog: no settings file
    // existed before this start and no temp directory is set.
    bool FirstStartWanted(bool settingsFileExisted) const;
    // The first-start dialog on the client files found under the user's home;
    // OK imports the chosen one and stores the update address.
    void RunFirstStart();
    // A menu item or pop-up item by its name (FileExit, RowMenuCopyLink, ...).
    QAction* Action(const QString& name) const;
    // Whether a check, search or download runs on the worker thread.
    bool Busy() const;

    // MainView
    void SetStatus(const std::string& text) override;
    void SetCaption(const std::string& text) override;
    std::string Caption() const;
    void ClearList() override;
    void StartList(ListKind kind) override;
    void AddFinding(const Finding& finding) override;
    void AddSearchHit(const SearchHit& hit) override;
    void AddFindings(std::vector<Finding>&& batch) override;
    void AddSearchHits(std::vector<SearchHit>&& batch) override;
    void AddClientFindings(std::vector<Finding>&& batch, std::vector<ClientState>&& states) override;
    void SetClientState(const Ed2kHash& hash, ClientState state) override;
    void UpdateFindings(std::vector<Finding>&& findings) override;
    void RepaintList() override;
    size_t SelectedRowCount() const override;
    std::vector<Finding> SelectedFindings() const override;
    void FitListWidth(int32_t marginPixels) override;
    void SetListTabStops(const std::vector<int32_t>& stops) override;
    void SetBusy(bool busy) override;
    void SetMenuChecked(MenuCheck item, bool checked) override;
    void SetSearchControlsVisible(bool visible) override;
    void MessageBox(const std::string& text, BoxIcon icon, const std::string& title) override;
    FileChoice ChooseFile(const FileChooserRequest& request) override;
    void SetClipboardText(const std::string& text) override;
    // A QInputDialog (object name MarkFakeDialog), shown through the runDialog hook.
    std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                       const std::string& initial) override;
    bool OpenAddress(const std::string& address) override;
    // A Yes/No box (object name ConfirmDialog), shown through the runDialog hook.
    bool Confirm(const std::string& question, const std::string& title) override;
    void KeepPainted() override;
    void SetBusyCursor(bool busy) override;
    // Closed during work: what the work still shows goes to nobody.
    bool WorkCancelled() const override { return closePending_; }

public slots:
    void onCheckFiles();
    void onSearch();
    void onUpdateList();
    void onOpenEmule();
    void onOpenEdonkey();
    void onSendFeedback();
    void onExit();
    void onToggleAllFiles();
    void onToggleTextSearch();
    void onToggleInspection();
    void onUpdateListMenu();
    void onUpdateProgram();
    void onOptions();
    void onCheckAmule();
    void onPauseInAmule();
    void onResumeInAmule();
    void onCancelInAmule();
    void onAbout();
    void onCopyLink();
    void onCopyLinkHtml();
    void onCopyName();
    void onCopyHash();
    // The own list and sharing lines.
    void onMarkFake();
    void onNotAFake();
    void onUnmark();
    void onCopyListLine();
    void onExportOwnList();
    void onSearchFocused();
    void onResultsMouseUp(Qt::MouseButton button, const QPoint& globalPos);
    // File > Check ed2k links...
    void onCheckLinks();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow(std::unique_ptr<Session> own, Session* session, DesktopHooks hooks, QWidget* parent);
    void BuildControls();
    void BuildSearchFrame();  // the search box and the buttons above the list
    void BuildMenus();
    void BuildList();     // the result list: a table over the findings model
    void BuildRowMenu();  // the link menu of the rows
    void BuildListMenus();  // the own list's items in the File and the right-click menu
    void SetDefaultButton(QPushButton* button);
    // Key preview: true when the key was handled here.
    bool HandleKey(QKeyEvent* event);
    // The list's columns as columnWidths_ has them.
    void ApplyColumnWidths();
    void ColumnResized(int column, int width);
    void RestoreWindow();
    void StoreWindow();
    // Long work on the worker thread; the commands that touch the session wait meanwhile.
    void RunJob(std::function<void(MainPresenter&)> job);
    void JobEnded();
    // Every command as the busy state and a stored aMule connection allow.
    void RefreshCommands();
    // The row menu below the current row, for the keyboard.
    void OpenRowMenuAtCurrentRow();
    // What a command needs to be enabled: no work running, and for some a stored aMule connection.
    enum class Needs { Nothing, Idle, IdleAndAmule };
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                       void (MainWindow::*slot)(), Needs needs = Needs::Idle);

    std::unique_ptr<Session> ownSession_;
    Session& session_;
    MainPresenter presenter_;
    DesktopHooks hooks_;
    std::string captionBytes_;
    bool unloaded_ = false;
    bool busyCursor_ = false;
    bool closePending_ = false;
    bool busy_ = false;  // a check or an update runs
    std::vector<std::pair<QAction*, Needs>> commands_;
    bool listResetting_ = false;  // closed while work ran: the window closes when it ends
    std::vector<int32_t> tabStopUnits_;
    QVector<int> columnWidths_;  // from the tab stops, the last run or the user's resizing
    bool columnsGiven_ = false;  // by the user: a check keeps them as they are
    Worker* worker_ = nullptr;

    QWidget* central_ = nullptr;
    QGroupBox* frmSearch_ = nullptr;
    QLabel* lblTitelSearch_ = nullptr;
    KvLineEdit* tbTitelSearch_ = nullptr;
    QPushButton* cbTitelSearch_ = nullptr;
    QPushButton* cbDownloadFakesDB_ = nullptr;
    QPushButton* cbCheckFiles_ = nullptr;
    QPushButton* cbCheckAmule_ = nullptr;
    QTableView* resultsView_ = nullptr;
    FindingsModel* model_ = nullptr;
    QGroupBox* frmStatus_ = nullptr;
    QLabel* stStatus_ = nullptr;
    QMenu* rowMenu_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
};

}  // namespace kv::app
