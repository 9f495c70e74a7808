#pragma once

#include <QAbstractTableModel>
#include <QPalette>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app/presenter/MainView.h"

namespace kv::app {

// What the list keeps of a finding: all but the download's part hashes and
// gaps, which a long list does not need to show or copy a row.
Finding SlimFinding(Finding finding);

// The result list's rows: the findings of a check or the hits of a text
// search, in the order they came, sortable by any column. The view never holds
// the data: a selection is turned back into findings here.
class FindingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A row's kind (kv::RowKind as int).
    static constexpr int kRowKindRole = Qt::UserRole + 1;

    explicit FindingsModel(QObject* parent = nullptr);

    // Empties the list and takes the columns of kind.
    void Start(ListKind kind);
    void Clear();
    // One insertion for the whole batch, so that the view lays it out once.
    // states: aMule's state of each finding, for an aMule list.
    void Append(std::vector<Finding>&& findings, std::vector<ClientState>&& states = {});
    void Append(std::vector<SearchHit>&& hits);

    ListKind Kind() const { return kind_; }
    // The rows of the download with hash show aMule's new state of it.
    void SetClientState(const Ed2kHash& hash, ClientState state);
    // The rows of these findings' downloads (same part file) show them as given.
    void Update(std::vector<Finding>&& findings);
    // The finding shown in row; none for a search row or a row out of range.
    std::optional<Finding> FindingAt(int row) const;
    // The palette the row colours are chosen against.
    void SetPalette(const QPalette& palette);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // column -1: the order the rows came in.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // A finding as a long list keeps it: the few rows with reasons hold them
    // apart, and what the detectors said before the lists only where it differs.
    struct Kept {
        std::string part;
        Download download;
        Verdict verdict;
        std::unique_ptr<inspect::Suspicion> inspected;
        ReadProblem problem = ReadProblem::None;
        bool fromBackup = false, bytesElsewhere = false;
        bool inspectedIsReason = false;  // what the detectors said is the verdict's one reason
        std::optional<ClientState> clientState;  // an aMule row's
    };
    // A shown row: an index into the findings or the hits, in the order they came.
    struct Slot {
        uint32_t index = 0;
        bool hit = false;
    };
    static Kept Keep(Finding&& f);
    static Finding Restore(const Kept& k);
    static QString StateText(ClientState state);
    static constexpr int kAmuleState = 3;
    QString Cell(Slot slot, int column) const;
    void Reset();
    void AllRowsChanged(int firstColumn, int lastColumn);

    ListKind kind_ = ListKind::Check;
    QStringList columns_;
    // Deques: a long list grows without a second copy of itself while it reallocates.
    std::deque<Kept> findings_;
    std::deque<SearchHit> hits_;
    std::vector<Slot> rows_;
    QPalette palette_;
};

}  // namespace kv::app
