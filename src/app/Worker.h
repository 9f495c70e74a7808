#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

#include "app/presenter/MainPresenter.h"

class QThread;

namespace kv::app {

// Runs one long piece of the window's work (a check, a search, a download) on
// a thread of its own. The work talks to a presenter whose view hands every
// call to the window's thread: status texts and commands in order, rows in
// batches, boxes and dialogs waiting for their answer.
class Worker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(MainPresenter&)>;

    // window: the view the calls reach, on the thread this object lives in.
    Worker(Session& session, MainView& window, QObject* parent = nullptr);
    // Cancels and waits for the work to end.
    ~Worker() override;

    // false when work runs already.
    bool Start(Job job);
    // The check of the temp directories; its steps come as the check* signals.
    bool StartCheck(CheckRequest request);
    // The text search in the temp directories; its end comes as searchEnded or searchFailed.
    bool StartSearch(std::string text);
    bool Running() const { return thread_ != nullptr; }
    // From now on nothing reaches the window, and the work stops at its next
    // step (between two downloads, two files, two pieces of a transfer);
    // finished() follows.
    void Cancel();

signals:
    // After every call the work made has reached the window.
    void finished();

    // The check's steps, on this object's thread, none once cancelled.
    void checkListsLoaded(const kv::ListsLoaded& lists);
    void checkReading();
    // Rows in list order, handed over in batches; they hold no part hashes.
    void checkFindings(const std::vector<kv::Finding>& batch);
    // The check ran to its end (or to the cancel of a window that has gone).
    void checkEnded(const kv::CheckResult& result);
    // It could not run; started: whether checkListsLoaded came.
    void checkFailed(const kv::CheckFailure& failure, bool started);
    void searchEnded(const std::string& text, const std::vector<kv::SearchHit>& hits);
    void searchFailed(const std::string& text, const kv::TempDirFailure& failure);

private:
    class QueuedView;
    class EmittedCheck;
    bool StartThread(std::function<void()> work);
    // Runs call on this object's thread later, unless cancelled by then.
    template <class Call>
    void Emit(const std::shared_ptr<std::atomic<bool>>& cancelled, Call call);
    void Ended();

    Session& session_;
    MainView& window_;
    QObject* relay_;  // receives the calls on the window's thread
    std::shared_ptr<std::atomic<bool>> cancelled_;
    QThread* thread_ = nullptr;
};

}  // namespace kv::app
