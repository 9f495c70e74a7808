#include "Worker.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>

#include "FindingsModel.h"

namespace kv::app {

namespace {
// Rows are handed over at least this often, so that the list grows while the work runs.
constexpr auto kBatchInterval = std::chrono::milliseconds(100);
constexpr size_t kBatchRows = 2000;
}  // namespace

class Worker::QueuedView : public MainView {
public:
    QueuedView(MainView& window, QObject* relay, std::shared_ptr<std::atomic<bool>> cancelled)
        : window_(window), relay_(relay), cancelled_(std::move(cancelled)) {}
    ~QueuedView() override { Flush(); }

    void SetStatus(const std::string& text) override {
        Post([=](MainView& v) { v.SetStatus(text); });
    }
    void SetCaption(const std::string& text) override { Post([=](MainView& v) { v.SetCaption(text); }); }
    void ClearList() override {
        findings_.clear(), hits_.clear();
        Post([](MainView& v) { v.ClearList(); });
    }
    void StartList(ListKind kind) override { Post([=](MainView& v) { v.StartList(kind); }); }
    void AddFinding(const Finding& f) override {
        findings_.push_back(SlimFinding(f));  // rows waiting for the window hold no part hashes
        FlushWhenDue();
    }
    void TakeFinding(Finding&& f) override {
        findings_.push_back(SlimFinding(std::move(f)));
        FlushWhenDue();
    }
    void AddSearchHit(const SearchHit& hit) override {
        hits_.push_back(hit);
        FlushWhenDue();
    }
    void AddClientFindings(std::vector<Finding>&& batch, std::vector<ClientState>&& states) override {
        for (Finding& f : batch) f = SlimFinding(std::move(f));
        Post([batch = std::move(batch), states = std::move(states)](MainView& v) mutable {
            v.AddClientFindings(std::move(batch), std::move(states));
        });
    }
    void RepaintList() override { Flush(); }
    size_t SelectedRowCount() const override { return 0; }
    std::vector<Finding> SelectedFindings() const override { return {}; }
    void FitListWidth(int32_t margin) override { Post([=](MainView& v) { v.FitListWidth(margin); }); }
    void SetListTabStops(const std::vector<int32_t>& stops) override {
        Post([=](MainView& v) { v.SetListTabStops(stops); });
    }
    void SetBusy(bool busy) override { Post([=](MainView& v) { v.SetBusy(busy); }); }
    void SetMenuChecked(MenuCheck item, bool on) override { Post([=](MainView& v) { v.SetMenuChecked(item, on); }); }
    void SetSearchControlsVisible(bool on) override { Post([=](MainView& v) { v.SetSearchControlsVisible(on); }); }
    void SetClipboardText(const std::string& text) override { Post([=](MainView& v) { v.SetClipboardText(text); }); }
    void SetBusyCursor(bool busy) override { Post([=](MainView& v) { v.SetBusyCursor(busy); }); }
    // The window's thread is free: it paints by itself.
    void KeepPainted() override {}
    bool WorkCancelled() const override { return *cancelled_; }

    void MessageBox(const std::string& text, BoxIcon icon, const std::string& title) override {
        Ask<bool>([&](MainView& v) { v.MessageBox(text, icon, title); return true; }, false);
    }
    FileChoice ChooseFile(const FileChooserRequest& request) override {
        return Ask<FileChoice>([&](MainView& v) { return v.ChooseFile(request); }, FileChoice{});
    }
    std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                       const std::string& initial) override {
        return Ask<std::optional<std::string>>([&](MainView& v) { return v.AskText(prompt, title, initial); },
                                               std::nullopt);
    }
    bool Confirm(const std::string& question, const std::string& title) override {
        return Ask<bool>([&](MainView& v) { return v.Confirm(question, title); }, false);
    }
    bool OpenAddress(const std::string& address) override {
        return Ask<bool>([&](MainView& v) { return v.OpenAddress(address); }, false);
    }

private:
    // Runs call on the window's thread later, unless cancelled by then.
    template <class Call>
    void Post(Call call) {
        Flush();
        Send(std::move(call));
    }
    template <class Call>
    void Send(Call call) {
        if (*cancelled_) return;
        QMetaObject::invokeMethod(
            relay_, [w = &window_, c = cancelled_, call = std::move(call)]() mutable { if (!*c) call(*w); },
            Qt::QueuedConnection);
    }
    // Runs call on the window's thread and waits for its answer; fallback once cancelled.
    template <class T, class Call>
    T Ask(Call call, T fallback) {
        Flush();
        if (*cancelled_) return fallback;
        T answer = fallback;
        QMetaObject::invokeMethod(
            relay_, [&, c = cancelled_] { if (!*c) answer = call(window_); }, Qt::BlockingQueuedConnection);
        return answer;
    }
    void FlushWhenDue() {
        if (findings_.size() + hits_.size() >= kBatchRows || std::chrono::steady_clock::now() - lastFlush_ >= kBatchInterval)
            Flush();
    }
    void Flush() {
        lastFlush_ = std::chrono::steady_clock::now();
        if (!findings_.empty()) {
            Send([batch = std::move(findings_)](MainView& v) mutable { v.AddFindings(std::move(batch)); });
            findings_ = {};
        }
        if (!hits_.empty()) {
            Send([batch = std::move(hits_)](MainView& v) mutable { v.AddSearchHits(std::move(batch)); });
            hits_ = {};
        }
    }

    MainView& window_;
    QObject* relay_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::vector<Finding> findings_;
    std::vector<SearchHit> hits_;
    std::chrono::steady_clock::time_point lastFlush_ = std::chrono::steady_clock::now();
};

Worker::Worker(Session& session, MainView& window, QObject* parent)
    : QObject(parent), session_(session), window_(window), relay_(new QObject(this)) {}

Worker::~Worker() {
    if (!thread_) return;
    Cancel();
    // The work may wait for an answer from this thread: dropping its call releases it.
    while (!thread_->wait(QDeadlineTimer(20))) {
        QCoreApplication::removePostedEvents(relay_, QEvent::MetaCall);
        QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    }
    delete thread_;
}

bool Worker::Start(Job job) {
    if (thread_) return false;
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    return StartThread([this, job = std::move(job), cancelled = cancelled_] {
        QueuedView view(window_, relay_, cancelled);
        MainPresenter presenter(session_, view);
        job(presenter);
    });
}

template <class Call>
void Worker::Emit(const std::shared_ptr<std::atomic<bool>>& cancelled, Call call) {
    if (*cancelled) return;
    QMetaObject::invokeMethod(
        this, [this, cancelled, call = std::move(call)]() mutable { if (!*cancelled) call(*this); },
        Qt::QueuedConnection);
}

// The check's progress as signals: rows collected and handed over in batches.
class Worker::EmittedCheck : public CheckProgress {
public:
    EmittedCheck(Worker& worker, std::shared_ptr<std::atomic<bool>> cancelled)
        : worker_(worker), cancelled_(std::move(cancelled)) {}
    // Waits for the window: boxes about the list's lines hold the check until they are answered.
    void ListsLoaded(const kv::ListsLoaded& lists) override {
        started = true;
        if (*cancelled_) return;
        QMetaObject::invokeMethod(
            &worker_, [&, cancelled = cancelled_] { if (!*cancelled) emit worker_.checkListsLoaded(lists); },
            Qt::BlockingQueuedConnection);
    }
    void Started() override {
        worker_.Emit(cancelled_, [](Worker& w) { emit w.checkReading(); });
    }
    void Listed(const Finding& f) override { Take(Finding(f)); }
    bool TakesFindings() const override { return true; }
    void Take(Finding&& f) override {
        batch_.push_back(SlimFinding(std::move(f)));
        if (batch_.size() >= kBatchRows || std::chrono::steady_clock::now() - lastFlush_ >= kBatchInterval) Flush();
    }
    bool Cancelled() const override { return *cancelled_; }
    void Flush() {
        lastFlush_ = std::chrono::steady_clock::now();
        if (batch_.empty()) return;
        worker_.Emit(cancelled_, [batch = std::move(batch_)](Worker& w) { emit w.checkFindings(batch); });
        batch_ = {};
    }

    bool started = false;

private:
    Worker& worker_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::vector<Finding> batch_;
    std::chrono::steady_clock::time_point lastFlush_ = std::chrono::steady_clock::now();
};

bool Worker::StartCheck(CheckRequest request) {
    if (thread_) return false;
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    return StartThread([this, request = std::move(request), cancelled = cancelled_] {
        EmittedCheck progress(*this, cancelled);
        auto result = CheckTempDirs(session_.lists, request, &progress);
        progress.Flush();
        if (result) Emit(cancelled, [result = std::move(*result)](Worker& w) { emit w.checkEnded(result); });
        else Emit(cancelled, [failure = result.error(), started = progress.started](Worker& w) {
            emit w.checkFailed(failure, started);
        });
    });
}

bool Worker::StartSearch(std::string text) {
    if (thread_) return false;
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    return StartThread([this, text = std::move(text), cancelled = cancelled_] {
        auto hits = SearchDownloads(session_.settings, "", text, [cancelled] { return cancelled->load(); });
        if (hits) Emit(cancelled, [text, hits = std::move(*hits)](Worker& w) { emit w.searchEnded(text, hits); });
        else Emit(cancelled, [text, failure = hits.error()](Worker& w) { emit w.searchFailed(text, failure); });
    });
}

bool Worker::StartThread(std::function<void()> work) {
    thread_ = QThread::create(std::move(work));
    // Queued behind every call the work posted to this object and to the relay, which live on the same thread.
    connect(thread_, &QThread::finished, this, &Worker::Ended, Qt::QueuedConnection);
    thread_->start();
    return true;
}

void Worker::Cancel() {
    if (cancelled_) *cancelled_ = true;
}

void Worker::Ended() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished();
}

}  // namespace kv::app
