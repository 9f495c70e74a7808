#include "FrmStart.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "DesignFont.h"
#include "FrmCheckLinks.h"
#include "FrmFirstStart.h"
#include "FrmInfo.h"
#include "FrmOptions.h"
#include "KvLineEdit.h"
#include "TabStopDelegate.h"
#include "Resources.h"
#include "Twips.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "app/presenter/About.h"
#include "app/presenter/Layout.h"
#include "app/presenter/Messages.h"
#include "clients/ClientDetect.h"
#include "clients/TempDir.h"
#include "common/Paths.h"
#include <QDir>
#include <cstdlib>

namespace kv::app {

namespace {

QString Show(const std::string& bytes) { return QString::fromUtf8(ToDisplayUtf8(bytes)); }

// Client area of the window as designed, in twips.
constexpr int kClientWidthTwips = 10905;
constexpr int kClientHeightTwips = 5685;
// The frame and the title and menu bars around that client area in the design.
constexpr int kFrameWidthTwips = 90;
constexpr int kNonClientHeightTwips = 705;

void ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title) {
    QMessageBox box(style == kMbCritical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

FileChoice ShowFileDialog(QWidget* parent, const FileChooserRequest& request) {
    QFileDialog dialog(parent, QString::fromUtf8(ToDisplayUtf8(request.title)),
                       QFile::decodeName(request.initialDir.c_str()));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::AnyFile);  // a name may be typed that does not exist
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, request.save ? QStringLiteral("Save") : QStringLiteral("Open"));
    // The clients keep their settings in dot-folders (~/.aMule, ~/.wine).
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        filters << QStringLiteral("%1 (%2)").arg(Show(description), Show(pattern));
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

FrmStart::FrmStart(const std::string& programDir, DesktopHooks hooks, QWidget* parent)
    : FrmStart(std::make_unique<Session>(Session::At(programDir)), nullptr, std::move(hooks), parent) {}

FrmStart::FrmStart(Session& session, DesktopHooks hooks, QWidget* parent)
    : FrmStart(nullptr, &session, std::move(hooks), parent) {}

FrmStart::FrmStart(std::unique_ptr<Session> own, Session* session, DesktopHooks hooks, QWidget* parent)
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
    FitLabelFonts(this);

    // The client area below the menu bar gets the designed size.
    const QSize client(TwipsToPixels(kClientWidthTwips, this), TwipsToPixels(kClientHeightTwips, this));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    layout()->activate();
    resize(size() + client - central_->size());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    qApp->installEventFilter(this);

    const std::string searchText = presenter_.Load();
    tbTitelSearch_->setText(Show(searchText));
}

bool FrmStart::FirstStartWanted(bool settingsFileExisted) const {
    return !settingsFileExisted && ConfiguredTempDir(session_.settings).empty();
}

void FrmStart::RunFirstStart() {
    const char* winePrefix = std::getenv("WINEPREFIX");
    FrmFirstStart dialog(session_, presenter_, DetectClientFiles(UserHomeDirectory(), {winePrefix ? winePrefix : ""}),
                         this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

FrmStart::~FrmStart() {
    qApp->removeEventFilter(this);
    if (busyCursor_) QApplication::restoreOverrideCursor();
}

void FrmStart::BuildControls() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central_);

    frmSearch_ = new QGroupBox(central_);
    frmSearch_->setObjectName(QStringLiteral("frmSearch"));
    PlaceTwips(frmSearch_, 90, 0, 10725, 735);

    lblTitelSearch_ = new QLabel(QStringLiteral("Search temporary file(s) with following content:"),
                                 frmSearch_);
    lblTitelSearch_->setObjectName(QStringLiteral("lblTitelSearch"));
    lblTitelSearch_->setTextFormat(Qt::PlainText);
    PlaceTwips(lblTitelSearch_, 90, 315, 3345, 195);
    tbTitelSearch_ = new KvLineEdit(frmSearch_);
    tbTitelSearch_->setObjectName(QStringLiteral("tbTitelSearch"));
    tbTitelSearch_->setText(QStringLiteral("avi"));
    tbTitelSearch_->setToolTip(QStringLiteral("Enter filename to search for .part.met"));
    PlaceTwips(tbTitelSearch_, 3420, 270, 1995, 285);
    connect(tbTitelSearch_, &KvLineEdit::gotFocus, this, &FrmStart::tbTitelSearch_GotFocus);

    cbTitelSearch_ = new QPushButton(frmSearch_);
    cbTitelSearch_->setObjectName(QStringLiteral("cbTitelSearch"));
    cbTitelSearch_->setToolTip(QStringLiteral("Suche starten (F3)"));
    {
        QPixmap glass(QStringLiteral(":/kestrivane/magnifier.png"));
        glass.setMask(glass.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
        cbTitelSearch_->setIcon(QIcon(glass));
        cbTitelSearch_->setIconSize(QSize(16, 16));
    }
    PlaceTwips(cbTitelSearch_, 5490, 270, 375, 315);
    connect(cbTitelSearch_, &QPushButton::clicked, this, &FrmStart::cbTitelSearch_Click);

    cbDownloadFakesDB_ = new QPushButton(QStringLiteral("&Update DB"), frmSearch_);
    cbDownloadFakesDB_->setObjectName(QStringLiteral("cbDownloadFakesDB"));
    PlaceTwips(cbDownloadFakesDB_, 8010, 230, 1185, 375);
    connect(cbDownloadFakesDB_, &QPushButton::clicked, this, &FrmStart::cbDownloadFakesDB_Click);

    cbCheckFiles_ = new QPushButton(QStringLiteral("Check &Files"), frmSearch_);
    cbCheckFiles_->setObjectName(QStringLiteral("cbCheckFiles"));
    PlaceTwips(cbCheckFiles_, 9360, 230, 1185, 375);
    connect(cbCheckFiles_, &QPushButton::clicked, this, &FrmStart::cbCheckFiles_Click);

    lbGefundeneFakes_ = new QListWidget(central_);
    lbGefundeneFakes_->setObjectName(QStringLiteral("lbGefundeneFakes"));
    lbGefundeneFakes_->setSelectionMode(QAbstractItemView::SingleSelection);
    lbGefundeneFakes_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lbGefundeneFakes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lbGefundeneFakes_->setUniformItemSizes(false);
    lbGefundeneFakes_->setContextMenuPolicy(Qt::PreventContextMenu);
    delegate_ = new TabStopDelegate(lbGefundeneFakes_);
    lbGefundeneFakes_->setItemDelegate(delegate_);
    // The application-wide filter (see the constructor) already sees the
    // viewport's mouse releases; a second filter here opened the menu twice.
    PlaceTwips(lbGefundeneFakes_, 90, 810, 10725, 4155);

    frmStatus_ = new QGroupBox(QStringLiteral(" Status:"), central_);
    frmStatus_->setObjectName(QStringLiteral("frmStatus"));
    PlaceTwips(frmStatus_, 90, 5040, 10725, 555);

    stStatus_ = new QLabel(QStringLiteral("Status:"), frmStatus_);
    stStatus_->setObjectName(QStringLiteral("stStatus"));
    stStatus_->setTextFormat(Qt::PlainText);
    PlaceTwips(stStatus_, 180, 250, 10365, 195);

    // Focus order: the tab indexes of the design, focusable controls only.
    setTabOrder(cbDownloadFakesDB_, cbCheckFiles_);
    setTabOrder(cbCheckFiles_, tbTitelSearch_);
    setTabOrder(tbTitelSearch_, cbTitelSearch_);
    setTabOrder(cbTitelSearch_, lbGefundeneFakes_);
    for (QPushButton* b : {cbTitelSearch_, cbDownloadFakesDB_, cbCheckFiles_}) {
        b->setAutoDefault(false);
    }
    SetDefaultButton(cbDownloadFakesDB_);
}

QAction* FrmStart::AddAction(QMenu* menu, const QString& name, const QString& caption,
                             const QKeySequence& shortcut, void (FrmStart::*slot)()) {
    auto* action = new QAction(caption, this);
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

void FrmStart::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    AddAction(file, QStringLiteral("FileOpenEMule"), QStringLiteral("Open e&Mule"),
              QKeySequence(Qt::CTRL | Qt::Key_M), &FrmStart::FileOpenEMule_Click);
    AddAction(file, QStringLiteral("FileOpenEDonkey"), QStringLiteral("Open e&Donkey"),
              QKeySequence(Qt::CTRL | Qt::Key_D), &FrmStart::FileOpenEDonkey_Click);
    AddAction(file, QStringLiteral("FileCheckLinks"), QStringLiteral("Check ed2k &links..."),
              QKeySequence(Qt::CTRL | Qt::Key_L), &FrmStart::FileCheckLinks_Click);
    AddAction(file, QStringLiteral("FilePrint"), QStringLiteral("&Print"),
              QKeySequence(Qt::CTRL | Qt::Key_P), nullptr)
        ->setEnabled(false);
    AddAction(file, QStringLiteral("FileSend"), QStringLiteral("&Send Feedback"),
              QKeySequence(Qt::CTRL | Qt::Key_S), &FrmStart::FileSend_Click);
    AddAction(file, QStringLiteral("FileExit"), QStringLiteral("E&xit"),
              QKeySequence(Qt::CTRL | Qt::Key_X), &FrmStart::FileExit_Click);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("MenuView"));
    QAction* all = AddAction(view, QStringLiteral("ViewAllFiles"), QStringLiteral("&All Files"), {},
                             &FrmStart::ViewAllFiles_Click);
    QAction* text = AddAction(view, QStringLiteral("ViewTextSearch"), QStringLiteral("&TextSearch"),
                              {}, &FrmStart::ViewTextSearch_Click);
    QAction* inspect = AddAction(view, QStringLiteral("ViewInspection"), QStringLiteral("&Inspect Downloads"), {},
                                 &FrmStart::ViewInspection_Click);
    inspect->setToolTip(QStringLiteral("Look at names and at the first bytes already downloaded for fakes no list knows"));
    for (QAction* a : {all, text, inspect}) {
        a->setCheckable(true);
        a->setChecked(true);
    }

    QMenu* online = bar->addMenu(QStringLiteral("&Online-Update"));
    online->setObjectName(QStringLiteral("MenuOnline"));
    AddAction(online, QStringLiteral("OnlineFakesDB"), QStringLiteral("&Fakes-DB"),
              QKeySequence(Qt::CTRL | Qt::Key_F), &FrmStart::OnlineFakesDB_Click);
    AddAction(online, QStringLiteral("OnlineKestrivane"), QStringLiteral("&Kestrivane"),
              QKeySequence(Qt::CTRL | Qt::Key_B), &FrmStart::OnlineKestrivane_Click);

    QMenu* extras = bar->addMenu(QStringLiteral("&Extras"));
    extras->setObjectName(QStringLiteral("MenuExtras"));
    AddAction(extras, QStringLiteral("ExtrasOptions"), QStringLiteral("&Options"),
              QKeySequence(Qt::CTRL | Qt::Key_O), &FrmStart::ExtrasOptions_Click);

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Help"));
    AddAction(help, QStringLiteral("HelpAbout"), QStringLiteral("&About"),
              QKeySequence(Qt::CTRL | Qt::Key_A), &FrmStart::HelpAbout_Click);

    // The link menu: not in the menu bar, opened by a right click on the list.
    menuRechteMaustaste_ = new QMenu(QStringLiteral("RechteMaustaste"), this);
    menuRechteMaustaste_->setObjectName(QStringLiteral("MenuRechteMaustaste"));
    auto* copy = new QAction(QStringLiteral("Copy &ed2k-Link to Clipboard"), menuRechteMaustaste_);
    copy->setObjectName(QStringLiteral("RechteMaustasteCopyLink"));
    connect(copy, &QAction::triggered, this, &FrmStart::RechteMaustasteCopyLink_Click);
    auto* html =
        new QAction(QStringLiteral("Copy ed2k-Link to Clipboard (&HTML)"), menuRechteMaustaste_);
    html->setObjectName(QStringLiteral("RechteMaustasteCopyLinkHTML"));
    connect(html, &QAction::triggered, this, &FrmStart::RechteMaustasteCopyLinkHTML_Click);
    menuRechteMaustaste_->addAction(copy);
    menuRechteMaustaste_->addAction(html);
    BuildListMenus();

    // Inside the search box the window's Ctrl shortcuts win over editing keys.
    QList<QKeySequence> keys;
    for (QAction* a : actions()) {
        if (!a->shortcut().isEmpty()) keys << a->shortcut();
    }
    tbTitelSearch_->SetPassThroughShortcuts(keys);
}

void FrmStart::BuildListMenus() {
    QMenu* file = findChild<QMenu*>(QStringLiteral("MenuFile"));
    QAction* exportOwn = AddAction(file, QStringLiteral("FileExportOwnList"), QStringLiteral("Export my &fake list..."),
                                   {}, &FrmStart::FileExportOwnList_Click);
    // Beside the other file commands, before Print.
    file->removeAction(exportOwn);
    file->insertAction(Action(QStringLiteral("FilePrint")), exportOwn);

    menuRechteMaustaste_->addSeparator();
    const auto item = [this](const char* name, const char* caption, void (FrmStart::*slot)()) {
        auto* a = new QAction(QString::fromUtf8(caption), menuRechteMaustaste_);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        menuRechteMaustaste_->addAction(a);
    };
    item("RechteMaustasteMarkFake", "&Mark as fake...", &FrmStart::RechteMaustasteMarkFake_Click);
    item("RechteMaustasteUnmark", "&Unmark", &FrmStart::RechteMaustasteUnmark_Click);
    item("RechteMaustasteCopyListLine", "Copy as &list line", &FrmStart::RechteMaustasteCopyListLine_Click);
}

QAction* FrmStart::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void FrmStart::SetDefaultButton(QPushButton* button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button) button->setDefault(true);
}

// ---- MainView ------------------------------------------------------------

void FrmStart::SetStatus(const std::string& text, const std::string& colour) {
    if (!colour.empty()) {
        const size_t first = colour.find_first_not_of(" \t\n");
        const bool numeric = first != std::string::npos &&
                             (std::isdigit(static_cast<unsigned char>(colour[first])) ||
                              colour[first] == '-' || colour[first] == '+' || colour[first] == '.');
        if (numeric) {
            const auto bgr = static_cast<uint32_t>(RoundHalfEven(NumericValue(colour)));
            QPalette pal = stStatus_->palette();
            pal.setColor(QPalette::WindowText,
                         QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
            stStatus_->setPalette(pal);
        }
    }
    stStatus_->setText(Show(text));
    stStatus_->repaint();
}

void FrmStart::SetCaption(const std::string& text) {
    captionBytes_ = text;
    setWindowTitle(Show(text));
}

std::string FrmStart::Caption() const { return captionBytes_; }

void FrmStart::ClearList() {
    lbGefundeneFakes_->clear();
}

void FrmStart::AddListRow(const std::string& row, RowKind kind) {
    auto* item = new QListWidgetItem(QString::fromUtf8(ToDisplayUtf8Fields(row)));
    item->setData(TabStopDelegate::kRowKindRole, static_cast<int>(kind));
    if (kind != RowKind::Plain) item->setToolTip(kind == RowKind::Fake ? QStringLiteral("Fake") : QStringLiteral("Suspect"));
    lbGefundeneFakes_->addItem(item);
}

void FrmStart::RepaintList() {
    lbGefundeneFakes_->doItemsLayout();
    lbGefundeneFakes_->viewport()->repaint();
}

int32_t FrmStart::ListCount() const { return lbGefundeneFakes_->count(); }

int32_t FrmStart::SelectedRow() const {
    const QList<QListWidgetItem*> selected = lbGefundeneFakes_->selectedItems();
    return selected.isEmpty() ? -1 : lbGefundeneFakes_->row(selected.first());
}

void FrmStart::FitListWidth(int32_t marginPixels) {
    const QFontMetricsF metrics(font());
    int32_t widest = 0;
    for (int i = 2; i < lbGefundeneFakes_->count(); ++i)
        widest = std::max(widest, RoundHalfEven32(metrics.horizontalAdvance(lbGefundeneFakes_->item(i)->text())));
    delegate_->SetMinimumWidth(std::max(0, RoundHalfEven32(double(widest) + marginPixels)));
    lbGefundeneFakes_->doItemsLayout();
    lbGefundeneFakes_->viewport()->update();
}

void FrmStart::SetListTabStops(const std::vector<int32_t>& stops) {
    QVector<int> units;
    for (const int32_t stop : stops) units.push_back(stop);
    delegate_->SetTabStopUnits(units);
    lbGefundeneFakes_->doItemsLayout();
    lbGefundeneFakes_->viewport()->update();
}

void FrmStart::SetCommandEnabled(Command command, bool enabled) {
    switch (command) {
        case Command::UpdateListMenu: Action(QStringLiteral("OnlineFakesDB"))->setEnabled(enabled); break;
        case Command::UpdateProgramMenu: Action(QStringLiteral("OnlineKestrivane"))->setEnabled(enabled); break;
        case Command::UpdateListButton: cbDownloadFakesDB_->setEnabled(enabled); break;
        case Command::CheckButton: cbCheckFiles_->setEnabled(enabled); break;
        case Command::SearchButton: cbTitelSearch_->setEnabled(enabled); break;
    }
}

void FrmStart::SetMenuChecked(MenuCheck item, bool checked) {
    const QString names[] = {QStringLiteral("ViewAllFiles"), QStringLiteral("ViewTextSearch"),
                             QStringLiteral("ViewInspection")};
    Action(names[static_cast<int>(item)])->setChecked(checked);
}

void FrmStart::SetSearchControlsVisible(bool visible) {
    lblTitelSearch_->setVisible(visible);
    tbTitelSearch_->setVisible(visible);
    cbTitelSearch_->setVisible(visible);
}

void FrmStart::MessageBox(const std::string& text, int style, const std::string& title) {
    const QString caption = title.empty() ? QString::fromLatin1(msg::kAppTitle) : Show(title);
    if (hooks_.messageBox) hooks_.messageBox(this, Show(text), style, caption);
}

FileChoice FrmStart::ChooseFile(const FileChooserRequest& request) {
    return hooks_.chooseFile ? hooks_.chooseFile(this, request) : FileChoice{};
}

void FrmStart::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Show(text));
}

std::optional<std::string> FrmStart::AskText(const std::string& prompt, const std::string& title,
                                             const std::string& initial) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("FrmMarkFake"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Show(title));
    dialog.setLabelText(Show(prompt));
    dialog.setTextValue(Show(initial));
    dialog.resize(520, dialog.sizeHint().height());
    const int result = hooks_.runDialog ? hooks_.runDialog(dialog) : int(QDialog::Rejected);
    if (result != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toUtf8().toStdString();
}

bool FrmStart::OpenAddress(const std::string& address) {
    return hooks_.openAddress && hooks_.openAddress(Show(address));
}

void FrmStart::KeepPainted() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmStart::SetBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

// ---- Handlers --------------------------------------------------------------

void FrmStart::cbCheckFiles_Click() { presenter_.CheckDownloads(); }

void FrmStart::cbTitelSearch_Click() {
    presenter_.SearchTempFiles(tbTitelSearch_->text().toUtf8().toStdString());
}

void FrmStart::cbDownloadFakesDB_Click() { OnlineFakesDB_Click(); }
void FrmStart::OnlineFakesDB_Click() { presenter_.UpdateFakeList(); }
void FrmStart::OnlineKestrivane_Click() { presenter_.UpdateProgram(); }
void FrmStart::FileOpenEMule_Click() { presenter_.ImportClient(false); }
void FrmStart::FileOpenEDonkey_Click() { presenter_.ImportClient(true); }
void FrmStart::FileSend_Click() { SendFeedbackMail(session_, *this); }
void FrmStart::FileExit_Click() { close(); }
void FrmStart::ViewAllFiles_Click() { presenter_.ToggleAllFiles(); }
void FrmStart::ViewTextSearch_Click() { presenter_.ToggleTextSearch(); }
void FrmStart::ViewInspection_Click() { presenter_.ToggleInspection(); }
void FrmStart::RechteMaustasteCopyLink_Click() { presenter_.CopyLink(false); }
void FrmStart::RechteMaustasteCopyLinkHTML_Click() { presenter_.CopyLink(true); }
void FrmStart::RechteMaustasteMarkFake_Click() { presenter_.MarkSelectedAsFake(); }
void FrmStart::RechteMaustasteUnmark_Click() { presenter_.UnmarkSelected(); }
void FrmStart::RechteMaustasteCopyListLine_Click() { presenter_.CopySelectedAsListLine(); }
void FrmStart::FileExportOwnList_Click() { presenter_.ExportOwnList(); }

void FrmStart::ExtrasOptions_Click() {
    FrmOptions dialog(session_, *this, this, hooks_.chooseDirectory);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

void FrmStart::HelpAbout_Click() {
    FrmInfo dialog(session_, *this, this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

void FrmStart::FileCheckLinks_Click() {
    FrmCheckLinks dialog(presenter_, this);
    if (hooks_.runDialog) hooks_.runDialog(dialog);
}

void FrmStart::tbTitelSearch_GotFocus() {
    tbTitelSearch_->selectAll();
    SetDefaultButton(cbTitelSearch_);
}

void FrmStart::lbGefundeneFakes_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton) return;
    if (hooks_.popupMenu) hooks_.popupMenu(*menuRechteMaustaste_, globalPos);
}

// ---- Events ----------------------------------------------------------------

bool FrmStart::Form_KeyDown(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        FileExit_Click();
        return true;
    }
    if (key == Qt::Key_F3) {
        cbTitelSearch_Click();
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

bool FrmStart::eventFilter(QObject* watched, QEvent* event) {
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
        return Form_KeyDown(key);
    }
    if (watched == lbGefundeneFakes_->viewport() && type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        lbGefundeneFakes_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmStart::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmStart::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void FrmStart::Form_Resize() {
    if (!central_) return;
    // The design's outer size counts a frame and title and menu bars around the
    // client area; the client area plus that fixed frame gives the same layout
    // under every window manager (and under none).
    const int outerWidth = PixelsToTwips(central_->width(), this) + kFrameWidthTwips;
    const int outerHeight = PixelsToTwips(central_->height(), this) + kNonClientHeightTwips;
    layout_ = ComputeFormResize(layout_, outerWidth, outerHeight, isMinimized());
    ApplyLayout();
}

void FrmStart::ApplyLayout() {
    auto px = [this](int twips) { return TwipsToPixels(twips, this); };
    frmSearch_->resize(px(layout_.searchFrameWidth), px(layout_.searchFrameHeight));
    lbGefundeneFakes_->setGeometry(lbGefundeneFakes_->x(), px(layout_.listTop),
                                   px(layout_.listWidth), px(layout_.listHeight));
    frmStatus_->setGeometry(frmStatus_->x(), px(layout_.statusFrameTop), px(layout_.statusFrameWidth),
                            frmStatus_->height());
    stStatus_->resize(px(layout_.statusLabelWidth), stStatus_->height());
}

void FrmStart::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        presenter_.Unload(tbTitelSearch_->text().toUtf8().toStdString());
    }
    event->accept();
    if (hooks_.quit) hooks_.quit();
}

}  // namespace kv::app
