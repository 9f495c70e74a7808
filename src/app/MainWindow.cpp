#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QBoxLayout>
#include <QScrollBar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QHeaderView>
#include <QTableView>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QUrl>

#include "DesignFont.h"
#include "CheckLinksDialog.h"
#include "FirstStartDialog.h"
#include "AboutDialog.h"
#include "OptionsDialog.h"
#include "KvLineEdit.h"
#include "FindingsModel.h"
#include "TabStops.h"
#include "Translations.h"
#include "Worker.h"
#include "Resources.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "app/presenter/About.h"
#include "app/presenter/Messages.h"
#include "usecases/ClientDetection.h"
#include "usecases/TempDirs.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"
#include <QDir>
#include <cstdlib>

namespace kv::app {

namespace {

// The window's first size, in pixels at 96 dpi: the list shows its three columns and a dozen rows.
constexpr QSize kFirstSize(727, 400);

// A width of n average characters of widget's font.
int Chars(const QWidget* widget, int n) { return widget->fontMetrics().averageCharWidth() * n; }


void ShowMessageBox(QWidget* parent, const QString& text, BoxIcon icon, const QString& title) {
    QMessageBox box(icon == BoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

FileChoice ShowFileDialog(QWidget* parent, const FileChooserRequest& request) {
    QFileDialog dialog(parent, Shown(request.title),
                       QFile::decodeName(request.initialDir.c_str()));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::AnyFile);  // a name may be typed that does not exist
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, request.save ? QCoreApplication::translate("Messages", "Save")
                                                          : QCoreApplication::translate("Messages", "Open"));
    // The clients keep their settings in dot-folders (~/.aMule, ~/.wine).
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        filters << QStringLiteral("%1 (%2)").arg(Shown(description), Shown(pattern));
    }
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex]);
    }
    if (!request.initialFileName.empty()) {
        dialog.selectFile(QFile::decodeName(request.initialFileName.c_str()));
    }
    if (parent) {
        dialog.adjustSize();
        QRect r = dialog.frameGeometry();
        r.moveCenter(parent->frameGeometry().center());
        dialog.move(r.topLeft());
    }
    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
    choice.accepted = true;
    choice.path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    choice.filterIndex = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return choice;
}

}  // namespace

DesktopHooks DefaultDesktopHooks() {
    DesktopHooks hooks;
    hooks.messageBox = &ShowMessageBox;
    hooks.chooseFile = &ShowFileDialog;
    hooks.openAddress = [](const QString& address) {
        return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    };
    hooks.runDialog = [](QDialog& dialog) { return dialog.exec(); };
    hooks.popupMenu = [](QMenu& menu, const QPoint& pos) { menu.exec(pos); };
    hooks.quit = [] { QCoreApplication::quit(); };
    return hooks;
}

MainWindow::MainWindow(const std::string& programDir, DesktopHooks hooks, QWidget* parent)
    : MainWindow(std::make_unique<Session>(Session::At(programDir)), nullptr, std::move(hooks), parent) {}

MainWindow::MainWindow(Session& session, DesktopHooks hooks, QWidget* parent)
    : MainWindow(nullptr, &session, std::move(hooks), parent) {}

MainWindow::MainWindow(std::unique_ptr<Session> own, Session* session, DesktopHooks hooks, QWidget* parent)
    : QMainWindow(parent),
      ownSession_(std::move(own)),
      session_(session ? *session : *ownSession_),
      presenter_(session_, *this),
      hooks_(std::move(hooks)) {
    EnsureResources();
    setObjectName(QStringLiteral("frmStart"));
    setWindowIcon(QIcon(QStringLiteral(":/kestrivane/icon.png")));
    setFont(DesignFont(this));
    BuildControls();
    BuildMenus();

    const double scale = logicalDpiX() / 96.0;
    resize(kFirstSize * scale);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    qApp->installEventFilter(this);
    worker_ = new Worker(session_, *this, this);
    connect(worker_, &Worker::finished, this, &MainWindow::JobEnded);
    connect(worker_, &Worker::checkListsLoaded, this,
            [this](const ListsLoaded& lists) { presenter_.ShowCheckStarting(lists, /*listAllGiven=*/false); });
    connect(worker_, &Worker::checkReading, this, [this] { presenter_.ShowCheckReading(); });
    connect(worker_, &Worker::checkFindings, this,
            [this](const std::vector<Finding>& batch) { AddFindings(std::vector<Finding>(batch)); });
    connect(worker_, &Worker::checkEnded, this,
            [this](const CheckResult& result) { (void)presenter_.ShowCheckEnded(result, true); });
    connect(worker_, &Worker::searchEnded, this, [this](const std::string& text, const std::vector<SearchHit>& hits) {
        (void)presenter_.ShowSearchEnded(text, hits);
    });
    connect(worker_, &Worker::searchFailed, this, [this](const std::string& text, const TempDirFailure& failure) {
        (void)presenter_.ShowSearchEnded(text, std::unexpected(failure));
    });
    connect(worker_, &Worker::checkFailed, this, [this](const CheckFailure& failure, bool started) {
        (void)presenter_.ShowCheckEnded(std::unexpected(failure), started);
    });

    const std::string searchText = presenter_.Load();
    tbTitelSearch_->setText(Shown(searchText));
    RestoreWindow();
}

void MainWindow::RestoreWindow() {
    const auto number = [this](Key key) -> std::optional<int> {
        const std::string text = session_.settings.Read(key);
        const auto first = text.find_first_not_of(' ');
        if (first == std::string::npos || !(std::isdigit(static_cast<unsigned char>(text[first])) || text[first] == '-'))
            return std::nullopt;
        return RoundHalfEven32(NumericValue(text));
    };
    const auto width = number(Key::WindowWidth), height = number(Key::WindowHeight);
    if (width && height && *width > 0 && *height > 0) resize(*width, *height);
    const auto left = number(Key::WindowLeft), top = number(Key::WindowTop);
    if (left && top) {
        // Only where some screen still shows the title bar.
        const QPoint corner(*left, *top);
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(corner + QPoint(40, 10))) {
                move(corner);
                break;
            }
        }
    }
    QVector<int> columns;
    for (const Key key : {Key::WindowColumn1, Key::WindowColumn2, Key::WindowColumn3}) {
        const auto w = number(key);
        if (!w || *w <= 0) break;
        columns.push_back(*w);
    }
    if (columns.size() == 3) {
        columnWidths_ = columns;
        columnsGiven_ = true;
        ApplyColumnWidths();
    }
}

void MainWindow::StoreWindow() {
    // The corner as move() takes it back (the frame's: the inner area's would
    // put the window a title bar lower on every start), the size as resize() does.
    const std::pair<Key, int> values[] = {{Key::WindowLeft, x()}, {Key::WindowTop, y()},
                                          {Key::WindowWidth, width()}, {Key::WindowHeight, height()}};
    for (const auto& [key, value] : values) session_.settings.Write(key, std::to_string(value));
    // As the user left them (a search list's two columns are the check's first two);
    // widths the tab stops gave are not the user's, and the tab stops may change.
    if (!columnsGiven_) return;
    const Key columns[] = {Key::WindowColumn1, Key::WindowColumn2, Key::WindowColumn3};
    for (int c = 0; c < 3 && c < columnWidths_.size(); ++c)
        session_.settings.Write(columns[c], std::to_string(columnWidths_[c]));
}

bool MainWindow::FirstStartWanted(bool settingsFileExisted) const {
    return !settingsFileExisted && StoredTempDir(session_.settings).empty();
}

void MainWindow::RunFirstStart() {
    const char* winePrefix = std::getenv("WINEPREFIX");
    const auto detected = DetectClients({UserHomeDirectory(), {winePrefix ? winePrefix : ""}});
    FirstStartDialog dialog(session_, presenter_, detected ? detected->found : detected.error().found, this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

MainWindow::~MainWindow() {
    // The work ends before the session it uses goes.
    delete worker_;
    worker_ = nullptr;
    qApp->removeEventFilter(this);
    if (busyCursor_) QApplication::restoreOverrideCursor();
}

void MainWindow::BuildControls() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central_);
    BuildSearchFrame();
    BuildList();

    frmStatus_ = new QGroupBox(tr(" Status:"), central_);
    frmStatus_->setObjectName(QStringLiteral("frmStatus"));
    stStatus_ = new QLabel(tr("Status:"), frmStatus_);
    stStatus_->setObjectName(QStringLiteral("stStatus"));
    stStatus_->setTextFormat(Qt::PlainText);
    // A long status is cut at the frame, never widening the window.
    stStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* status = new QHBoxLayout(frmStatus_);
    status->setContentsMargins(Chars(this, 1), 4, Chars(this, 1), 4);
    status->addWidget(stStatus_);

    auto* column = new QVBoxLayout(central_);
    column->setContentsMargins(6, 0, 6, 6);
    column->setSpacing(5);
    column->addWidget(frmSearch_);
    column->addWidget(resultsView_, 1);
    column->addWidget(frmStatus_);

    // Focus order: the tab indexes of the design, focusable controls only.
    setTabOrder(cbDownloadFakesDB_, cbCheckFiles_);
    setTabOrder(cbCheckFiles_, cbCheckAmule_);
    setTabOrder(cbCheckAmule_, tbTitelSearch_);
    setTabOrder(tbTitelSearch_, cbTitelSearch_);
    setTabOrder(cbTitelSearch_, resultsView_);
    for (QPushButton* b : {cbTitelSearch_, cbDownloadFakesDB_, cbCheckFiles_, cbCheckAmule_}) {
        b->setAutoDefault(false);
    }
    SetDefaultButton(cbDownloadFakesDB_);
}

void MainWindow::BuildSearchFrame() {
    frmSearch_ = new QGroupBox(central_);
    frmSearch_->setObjectName(QStringLiteral("frmSearch"));
    lblTitelSearch_ = new QLabel(tr("Search temporary file(s) with following content:"), frmSearch_);
    lblTitelSearch_->setObjectName(QStringLiteral("lblTitelSearch"));
    lblTitelSearch_->setTextFormat(Qt::PlainText);
    tbTitelSearch_ = new KvLineEdit(frmSearch_);
    tbTitelSearch_->setObjectName(QStringLiteral("tbTitelSearch"));
    tbTitelSearch_->setText(QStringLiteral("avi"));
    tbTitelSearch_->setToolTip(tr("Enter filename to search for .part.met"));
    tbTitelSearch_->setFixedWidth(Chars(this, 22));
    connect(tbTitelSearch_, &KvLineEdit::gotFocus, this, &MainWindow::onSearchFocused);

    cbTitelSearch_ = new QPushButton(frmSearch_);
    cbTitelSearch_->setObjectName(QStringLiteral("cbTitelSearch"));
    cbTitelSearch_->setToolTip(tr("Suche starten (F3)"));
    {
        QPixmap glass(QStringLiteral(":/kestrivane/magnifier.png"));
        glass.setMask(glass.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
        cbTitelSearch_->setIcon(QIcon(glass));
        cbTitelSearch_->setIconSize(QSize(16, 16));
    }
    connect(cbTitelSearch_, &QPushButton::clicked, this, &MainWindow::onSearch);

    cbDownloadFakesDB_ = new QPushButton(tr("&Update DB"), frmSearch_);
    cbDownloadFakesDB_->setObjectName(QStringLiteral("cbDownloadFakesDB"));
    connect(cbDownloadFakesDB_, &QPushButton::clicked, this, &MainWindow::onUpdateList);
    cbCheckFiles_ = new QPushButton(tr("Check &Files"), frmSearch_);
    cbCheckFiles_->setObjectName(QStringLiteral("cbCheckFiles"));
    connect(cbCheckFiles_, &QPushButton::clicked, this, &MainWindow::onCheckFiles);
    // Left of "Update DB", shown only while an aMule connection is stored: the
    // window of those without aMule stays as it was.
    cbCheckAmule_ = new QPushButton(tr("Check &aMule"), frmSearch_);
    cbCheckAmule_->setObjectName(QStringLiteral("cbCheckAmule"));
    cbCheckAmule_->hide();
    connect(cbCheckAmule_, &QPushButton::clicked, this, &MainWindow::onCheckAmule);

    auto* search = new QHBoxLayout(frmSearch_);
    search->addWidget(lblTitelSearch_);
    search->addWidget(tbTitelSearch_);
    search->addWidget(cbTitelSearch_);
    search->addStretch(1);
    for (QPushButton* b : {cbCheckAmule_, cbDownloadFakesDB_, cbCheckFiles_}) {
        b->setMinimumWidth(Chars(this, 13));
        search->addSpacing(Chars(this, 1));
        search->addWidget(b);
    }
}

void MainWindow::BuildList() {
    resultsView_ = new QTableView(central_);
    resultsView_->setObjectName(QStringLiteral("resultsView"));
    model_ = new FindingsModel(this);
    model_->SetPalette(resultsView_->palette());
    resultsView_->setModel(model_);
    resultsView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    resultsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultsView_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    resultsView_->setShowGrid(false);
    resultsView_->setWordWrap(false);
    resultsView_->setTextElideMode(Qt::ElideRight);
    resultsView_->setContextMenuPolicy(Qt::PreventContextMenu);
    // Every row as high as one line of text: nothing is measured per row.
    QHeaderView* rowsHead = resultsView_->verticalHeader();
    rowsHead->hide();
    rowsHead->setSectionResizeMode(QHeaderView::Fixed);
    const int lineHeight = QFontMetrics(resultsView_->font()).height();
    rowsHead->setDefaultSectionSize(lineHeight + 4);
    resultsView_->setIconSize(QSize(lineHeight, lineHeight));
    QHeaderView* head = resultsView_->horizontalHeader();
    head->setSectionResizeMode(QHeaderView::Interactive);
    head->setStretchLastSection(false);
    head->setHighlightSections(false);
    // A title stays in sight at the start of a column as wide as its longest text.
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head->setSortIndicatorShown(true);
    head->setSortIndicator(-1, Qt::AscendingOrder);  // the order the check found them in
    resultsView_->setSortingEnabled(true);
    // A new list's columns keep the widths the user gave them.
    // (The header lays its sections out afresh meanwhile: that is no resizing by the user.)
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { listResetting_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        listResetting_ = false;
        ApplyColumnWidths();
    });
    connect(head, &QHeaderView::sectionResized, this, [this](int c, int, int width) { ColumnResized(c, width); });
    // The application-wide filter (see the constructor) already sees the
    // viewport's mouse releases; a second filter here opened the menu twice.
    // However small the window, the list shows its header and three rows.
    resultsView_->setMinimumHeight(head->sizeHint().height() + 3 * rowsHead->defaultSectionSize() +
                                   resultsView_->horizontalScrollBar()->sizeHint().height() + 2 * resultsView_->frameWidth());
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& name, const QString& caption,
                             const QKeySequence& shortcut, void (MainWindow::*slot)(), Needs needs) {
    auto* action = new QAction(caption, this);
    if (needs != Needs::Nothing) commands_.emplace_back(action, needs);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (slot) connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    addAction(action);  // shortcuts work while the menu is closed
    return action;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    AddAction(file, QStringLiteral("FileOpenEMule"), tr("Open e&Mule"),
              QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::onOpenEmule);
    AddAction(file, QStringLiteral("FileOpenEDonkey"), tr("Open e&Donkey"),
              QKeySequence(Qt::CTRL | Qt::Key_D), &MainWindow::onOpenEdonkey);
    AddAction(file, QStringLiteral("FileCheckLinks"), tr("Check ed2k &links..."),
              QKeySequence(Qt::CTRL | Qt::Key_L), &MainWindow::onCheckLinks);
    AddAction(file, QStringLiteral("FileCheckAmule"), tr("Check &aMule"), {}, &MainWindow::onCheckAmule,
              Needs::IdleAndAmule);
    AddAction(file, QStringLiteral("FilePrint"), tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), nullptr,
              Needs::Nothing)
        ->setEnabled(false);
    AddAction(file, QStringLiteral("FileSend"), tr("&Send Feedback"),
              QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::onSendFeedback);
    AddAction(file, QStringLiteral("FileExit"), tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X),
              &MainWindow::onExit, Needs::Nothing);

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("MenuView"));
    QAction* all = AddAction(view, QStringLiteral("ViewAllFiles"), tr("&All Files"), {},
                             &MainWindow::onToggleAllFiles);
    QAction* text = AddAction(view, QStringLiteral("ViewTextSearch"), tr("&TextSearch"),
                              {}, &MainWindow::onToggleTextSearch);
    QAction* inspect = AddAction(view, QStringLiteral("ViewInspection"), tr("&Inspect Downloads"), {},
                                 &MainWindow::onToggleInspection);
    inspect->setToolTip(tr("Look at names and at the first bytes already downloaded for fakes no list knows"));
    for (QAction* a : {all, text, inspect}) {
        a->setCheckable(true);
        a->setChecked(true);
    }

    QMenu* online = bar->addMenu(tr("&Online-Update"));
    online->setObjectName(QStringLiteral("MenuOnline"));
    AddAction(online, QStringLiteral("OnlineFakesDB"), tr("&Fakes-DB"),
              QKeySequence(Qt::CTRL | Qt::Key_F), &MainWindow::onUpdateListMenu);
    AddAction(online, QStringLiteral("OnlineKestrivane"), tr("&Kestrivane"),
              QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::onUpdateProgram);

    QMenu* extras = bar->addMenu(tr("&Extras"));
    extras->setObjectName(QStringLiteral("MenuExtras"));
    AddAction(extras, QStringLiteral("ExtrasOptions"), tr("&Options"),
              QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::onOptions);

    QMenu* help = bar->addMenu(tr("?"));
    help->setObjectName(QStringLiteral("Help"));
    AddAction(help, QStringLiteral("HelpAbout"), tr("&About"),
              QKeySequence(Qt::CTRL | Qt::Key_A), &MainWindow::onAbout);

    BuildRowMenu();
    BuildListMenus();

    // Inside the search box the window's Ctrl shortcuts win, except the keys
    // that edit text: Ctrl+X cuts there, it does not end the program.
    QList<QKeySequence> editing;
    for (const auto key : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll,
                           QKeySequence::Undo})
        editing << QKeySequence::keyBindings(key);
    QList<QKeySequence> keys;
    for (QAction* a : actions()) {
        if (!a->shortcut().isEmpty() && !editing.contains(a->shortcut())) keys << a->shortcut();
    }
    tbTitelSearch_->SetPassThroughShortcuts(keys);
}

void MainWindow::BuildRowMenu() {
    // The link menu: not in the menu bar, opened by a right click on the list.
    rowMenu_ = new QMenu(QStringLiteral("RowMenu"), this);
    rowMenu_->setObjectName(QStringLiteral("RowMenu"));
    auto* copy = new QAction(tr("Copy &ed2k-Link to Clipboard"), rowMenu_);
    copy->setObjectName(QStringLiteral("RowMenuCopyLink"));
    connect(copy, &QAction::triggered, this, &MainWindow::onCopyLink);
    auto* html =
        new QAction(tr("Copy ed2k-Link to Clipboard (&HTML)"), rowMenu_);
    html->setObjectName(QStringLiteral("RowMenuCopyLinkHTML"));
    connect(html, &QAction::triggered, this, &MainWindow::onCopyLinkHtml);
    rowMenu_->addAction(copy);
    rowMenu_->addAction(html);
    auto* name = new QAction(tr("Copy &name"), rowMenu_);
    name->setObjectName(QStringLiteral("RowMenuCopyName"));
    connect(name, &QAction::triggered, this, &MainWindow::onCopyName);
    auto* hash = new QAction(tr("Copy h&ash"), rowMenu_);
    hash->setObjectName(QStringLiteral("RowMenuCopyHash"));
    connect(hash, &QAction::triggered, this, &MainWindow::onCopyHash);
    rowMenu_->addAction(name);
    rowMenu_->addAction(hash);
}

void MainWindow::BuildListMenus() {
    QMenu* file = findChild<QMenu*>(QStringLiteral("MenuFile"));
    QAction* exportOwn = AddAction(file, QStringLiteral("FileExportOwnList"), tr("Export my &fake list..."),
                                   {}, &MainWindow::onExportOwnList);
    // Beside the other file commands, before Print.
    file->removeAction(exportOwn);
    file->insertAction(Action(QStringLiteral("FilePrint")), exportOwn);

    rowMenu_->addSeparator();
    const auto item = [this](const char* name, const char* caption, void (MainWindow::*slot)(), Needs needs) {
        auto* a = new QAction(tr(caption), rowMenu_);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        rowMenu_->addAction(a);
        if (needs != Needs::Nothing) commands_.emplace_back(a, needs);
    };
    item("RowMenuMarkFake", QT_TR_NOOP("&Mark as fake..."), &MainWindow::onMarkFake, Needs::Idle);
    item("RowMenuAllow", QT_TR_NOOP("N&ot a fake..."), &MainWindow::onNotAFake, Needs::Idle);
    item("RowMenuUnmark", QT_TR_NOOP("&Unmark"), &MainWindow::onUnmark, Needs::Idle);
    // Copying touches no settings.
    item("RowMenuCopyListLine", QT_TR_NOOP("Copy as &list line"), &MainWindow::onCopyListLine, Needs::Nothing);
    rowMenu_->addSeparator();
    item("RowMenuAmulePause", QT_TR_NOOP("&Pause in aMule"), &MainWindow::onPauseInAmule, Needs::IdleAndAmule);
    item("RowMenuAmuleResume", QT_TR_NOOP("&Resume in aMule"), &MainWindow::onResumeInAmule, Needs::IdleAndAmule);
    item("RowMenuAmuleCancel", QT_TR_NOOP("&Cancel in aMule..."), &MainWindow::onCancelInAmule,
         Needs::IdleAndAmule);
    RefreshCommands();
}

QAction* MainWindow::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::SetDefaultButton(QPushButton* button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button) button->setDefault(true);
}

// ---- MainView ------------------------------------------------------------

void MainWindow::SetStatus(const std::string& text) {
    stStatus_->setText(Shown(text));
    stStatus_->repaint();
}

void MainWindow::SetCaption(const std::string& text) {
    captionBytes_ = text;
    setWindowTitle(Shown(text));
}

std::string MainWindow::Caption() const { return captionBytes_; }

void MainWindow::ClearList() { model_->Clear(); }

void MainWindow::StartList(ListKind kind) {
    // A new list shows the order it was found in until a column is clicked.
    resultsView_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->Start(kind);
}

void MainWindow::AddFinding(const Finding& finding) { AddFindings({finding}); }
void MainWindow::AddSearchHit(const SearchHit& hit) { AddSearchHits({hit}); }
void MainWindow::AddFindings(std::vector<Finding>&& batch) { model_->Append(std::move(batch)); }
void MainWindow::AddClientFindings(std::vector<Finding>&& batch, std::vector<ClientState>&& states) {
    model_->Append(std::move(batch), std::move(states));
}
void MainWindow::SetClientState(const Ed2kHash& hash, ClientState state) { model_->SetClientState(hash, state); }
void MainWindow::UpdateFindings(std::vector<Finding>&& findings) { model_->Update(std::move(findings)); }
void MainWindow::AddSearchHits(std::vector<SearchHit>&& batch) { model_->Append(std::move(batch)); }

void MainWindow::RepaintList() { resultsView_->viewport()->update(); }

size_t MainWindow::SelectedRowCount() const {
    return static_cast<size_t>(resultsView_->selectionModel()->selectedRows().size());
}

std::vector<Finding> MainWindow::SelectedFindings() const {
    QModelIndexList rows = resultsView_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<Finding> out;
    for (const QModelIndex& i : rows)
        if (std::optional<Finding> f = model_->FindingAt(i.row())) out.push_back(std::move(*f));
    return out;
}

void MainWindow::FitListWidth(int32_t marginPixels) {
    // The last column reaches the end of its widest text (as far as the view
    // measures: the first thousand rows and those in sight); the user may
    // still narrow it. The margin of a list box's scroll range has no use here.
    (void)marginPixels;
    const int last = model_->columnCount() - 1;
    if (last < 0) return;
    QHeaderView* head = resultsView_->horizontalHeader();
    const QSignalBlocker quiet(head);  // the next list starts as the user left the columns, not as this one
    const auto* view = static_cast<const QAbstractItemView*>(resultsView_);
    // The name column gives the verdict the room its names leave: a tab stop
    // is where a column may start at the latest, not room to keep empty.
    const int verdict = std::min(2, last);
    if (verdict > 1 && !columnsGiven_) {
        const int names = std::max(view->sizeHintForColumn(1), head->sectionSizeHint(1));
        if (names < head->sectionSize(1)) head->resizeSection(1, names);
    }
    for (int c = verdict; c <= last; ++c)
        head->resizeSection(c, std::max(head->sectionSize(c), view->sizeHintForColumn(c)));
    resultsView_->viewport()->update();
}

void MainWindow::SetListTabStops(const std::vector<int32_t>& stops) {
    // The first column holds the fake and suspect icons too: the text columns
    // start where the tab stops put the fields of old, after that room.
    const QFontMetrics metrics(resultsView_->font());
    QVector<int> units;
    for (const int32_t u : stops) units.push_back(u);
    const QVector<int> px = TabStopsToPixels(units, metrics);
    const int gutter = metrics.height() + 2;
    QVector<int> widths;
    int start = 0;
    for (const int stop : px) {
        widths.push_back(std::max(gutter, gutter + stop - start));
        start = gutter + stop;
    }
    // The last column until a check finds its widest text.
    while (widths.size() < 3) widths.push_back(std::max(resultsView_->horizontalHeader()->defaultSectionSize(),
                                                        10 * gutter));
    columnWidths_ = widths;
    ApplyColumnWidths();
}

void MainWindow::ApplyColumnWidths() {
    QHeaderView* head = resultsView_->horizontalHeader();
    const QSignalBlocker quiet(head);  // not the user's resizing
    for (int c = 0; c < head->count() && c < columnWidths_.size(); ++c) head->resizeSection(c, columnWidths_[c]);
}

void MainWindow::ColumnResized(int column, int width) {
    if (listResetting_ || column < 0 || column >= columnWidths_.size()) return;
    columnWidths_[column] = width;
    columnsGiven_ = true;
}

void MainWindow::SetBusy(bool busy) {
    busy_ = busy;
    RefreshCommands();
}

void MainWindow::SetMenuChecked(MenuCheck item, bool checked) {
    const QString names[] = {QStringLiteral("ViewAllFiles"), QStringLiteral("ViewTextSearch"),
                             QStringLiteral("ViewInspection")};
    Action(names[static_cast<int>(item)])->setChecked(checked);
}

void MainWindow::SetSearchControlsVisible(bool visible) {
    lblTitelSearch_->setVisible(visible);
    tbTitelSearch_->setVisible(visible);
    cbTitelSearch_->setVisible(visible);
}

void MainWindow::MessageBox(const std::string& text, BoxIcon icon, const std::string& title) {
    const QString caption = title.empty() ? QString::fromLatin1(msg::kAppTitle) : Shown(title);
    if (hooks_.messageBox) hooks_.messageBox(this, Shown(text), icon, caption);
}

FileChoice MainWindow::ChooseFile(const FileChooserRequest& request) {
    return hooks_.chooseFile ? hooks_.chooseFile(this, request) : FileChoice{};
}

void MainWindow::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Shown(text));
}

std::optional<std::string> MainWindow::AskText(const std::string& prompt, const std::string& title,
                                             const std::string& initial) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("MarkFakeDialog"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Shown(title));
    dialog.setLabelText(Shown(prompt));
    dialog.setTextValue(Shown(initial));
    dialog.resize(520, dialog.sizeHint().height());
    const int result = hooks_.runDialog ? hooks_.runDialog(dialog) : int(QDialog::Rejected);
    if (result != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toUtf8().toStdString();
}

bool MainWindow::Confirm(const std::string& question, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Shown(title), Shown(question), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setObjectName(QStringLiteral("ConfirmDialog"));
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    const int result = hooks_.runDialog ? hooks_.runDialog(box) : int(QMessageBox::No);
    return result == QMessageBox::Yes;
}

bool MainWindow::OpenAddress(const std::string& address) {
    return hooks_.openAddress && hooks_.openAddress(Shown(address));
}

void MainWindow::KeepPainted() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::SetBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

// ---- Handlers --------------------------------------------------------------

void MainWindow::onCheckFiles() {
    if (Busy()) return;
    SetBusy(true);
    worker_->StartCheck(presenter_.CheckRequestFor());
}

void MainWindow::onSearch() {
    // F3 reaches here with the search button disabled: one piece of work at a time.
    if (Busy()) return;
    SetBusy(true);
    ClearList();
    worker_->StartSearch(tbTitelSearch_->text().toUtf8().toStdString());
}

void MainWindow::onUpdateList() { onUpdateListMenu(); }
void MainWindow::onUpdateListMenu() {
    RunJob([](MainPresenter& p) { p.UpdateFakeList(); });
}
void MainWindow::onUpdateProgram() {
    RunJob([](MainPresenter& p) { p.UpdateProgram(); });
}

bool MainWindow::Busy() const { return worker_ && worker_->Running(); }

void MainWindow::RunJob(std::function<void(MainPresenter&)> job) {
    if (Busy()) return;
    // At once, not when the work's first call arrives: a second click must find the commands disabled.
    SetBusy(true);
    worker_->Start(std::move(job));
}

void MainWindow::JobEnded() {
    SetBusy(false);
    // Rows that came after a column was clicked take their place in its order.
    const QHeaderView* head = resultsView_->horizontalHeader();
    if (head->sortIndicatorSection() >= 0) model_->sort(head->sortIndicatorSection(), head->sortIndicatorOrder());
    if (closePending_) close();
}

void MainWindow::RefreshCommands() {
    // The work uses the session (settings, lists): what changes it or starts more work waits.
    const bool idle = !busy_;
    const bool amule = presenter_.AmuleConnectionStored();
    for (const auto& [action, needs] : commands_) action->setEnabled(idle && (needs == Needs::Idle || amule));
    for (QPushButton* b : {cbDownloadFakesDB_, cbCheckFiles_, cbTitelSearch_}) b->setEnabled(idle);
    cbCheckAmule_->setVisible(amule);
    cbCheckAmule_->setEnabled(idle && amule);
}

void MainWindow::onOpenEmule() { presenter_.ImportClient(false); }
void MainWindow::onOpenEdonkey() { presenter_.ImportClient(true); }
void MainWindow::onSendFeedback() { SendFeedbackMail(session_, *this); }
void MainWindow::onExit() { close(); }
void MainWindow::onToggleAllFiles() { presenter_.ToggleAllFiles(); }
void MainWindow::onToggleTextSearch() { presenter_.ToggleTextSearch(); }
void MainWindow::onToggleInspection() { presenter_.ToggleInspection(); }
void MainWindow::onCopyLink() { presenter_.CopyLink(false); }
void MainWindow::onCopyLinkHtml() { presenter_.CopyLink(true); }
void MainWindow::onCopyName() { presenter_.CopySelected(CopyWhat::Name); }
void MainWindow::onCopyHash() { presenter_.CopySelected(CopyWhat::Hash); }
void MainWindow::onMarkFake() { presenter_.MarkSelectedAsFake(); }
void MainWindow::onNotAFake() { presenter_.AllowSelected(); }
void MainWindow::onUnmark() { presenter_.UnmarkSelected(); }
void MainWindow::onCopyListLine() { presenter_.CopySelectedAsListLine(); }
void MainWindow::onExportOwnList() { presenter_.ExportOwnList(); }

void MainWindow::onOptions() {
    OptionsDialog dialog(session_, *this, this, hooks_.chooseDirectory);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
    RefreshCommands();  // a connection may have been stored
}

void MainWindow::onCheckAmule() {
    RunJob([](MainPresenter& p) { p.CheckAmuleDownloads(); });
}
void MainWindow::onPauseInAmule() { presenter_.ActInAmule(AmuleAction::Pause); }
void MainWindow::onResumeInAmule() { presenter_.ActInAmule(AmuleAction::Resume); }
void MainWindow::onCancelInAmule() { presenter_.ActInAmule(AmuleAction::Cancel); }

void MainWindow::onAbout() {
    AboutDialog dialog(session_, *this, this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

void MainWindow::onCheckLinks() {
    CheckLinksDialog dialog(presenter_, this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

void MainWindow::onSearchFocused() {
    tbTitelSearch_->selectAll();
    SetDefaultButton(cbTitelSearch_);
}

void MainWindow::onResultsMouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton) return;
    if (hooks_.popupMenu) hooks_.popupMenu(*rowMenu_, globalPos);
}

void MainWindow::OpenRowMenuAtCurrentRow() {
    const QModelIndex current = resultsView_->currentIndex();
    const QRect cell = current.isValid() ? resultsView_->visualRect(current) : QRect();
    const QPoint local = cell.isValid() ? cell.bottomLeft() : QPoint(0, 0);
    if (hooks_.popupMenu) hooks_.popupMenu(*rowMenu_, resultsView_->viewport()->mapToGlobal(local));
}

// ---- Events ----------------------------------------------------------------

bool MainWindow::HandleKey(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        onExit();
        return true;
    }
    if (key == Qt::Key_F3) {
        onSearch();
        return true;
    }
    // The keyboard's way to the row menu.
    const bool menuKey = key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    QWidget* focus = QApplication::focusWidget();
    if (menuKey && (focus == resultsView_ || resultsView_->isAncestorOf(focus))) {
        OpenRowMenuAtCurrentRow();
        return true;
    }
    if (key == Qt::Key_F && event->modifiers() == Qt::AltModifier) {
        if (cbCheckFiles_->isEnabled()) cbCheckFiles_->click();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // A focused button takes Enter itself, as on Windows; else the default one.
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QPushButton* target = focused && focused->window() == this ? focused : defaultButton_;
        if (target && target->isEnabled() && target->isVisible()) target->click();
        return true;
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this || !isActiveWindow()) return false;
        // While the menu bar has the keyboard, its own keys apply.
        if (qobject_cast<QMenuBar*>(widget)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::ShortcutOverride) {
            // Alt+F belongs to "Check &Files", not to the File menu: claim the
            // key so that it arrives here as a key press.
            if (key->key() == Qt::Key_F && key->modifiers() == Qt::AltModifier) {
                event->accept();
                return true;
            }
            return false;
        }
        return HandleKey(key);
    }
    if (watched == resultsView_->viewport() && type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        onResultsMouseUp(mouse->button(), mouse->globalPosition().toPoint());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The window's palette is the list's (the list's own may not have followed yet).
    if (event->type() == QEvent::PaletteChange && model_) model_->SetPalette(palette());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Busy()) {
        // The window goes now and the work stops at its next step; the window
        // closes for good (settings written, program ended) once it has.
        closePending_ = true;
        worker_->Cancel();
        hide();
        event->ignore();
        return;
    }
    if (!unloaded_) {
        StoreWindow();
        unloaded_ = true;
        presenter_.Unload(tbTitelSearch_->text().toUtf8().toStdString());
    }
    event->accept();
    if (hooks_.quit) hooks_.quit();
}

}  // namespace kv::app
