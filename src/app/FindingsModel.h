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
// search, in the order they came, sortable by any column. Each row keeps its
// cells' bytes as they were worded when it came, and what the row menu needs
// to act on its download; a selection is turned back into findings here.
class FindingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns, in the order a list shows them: a search list has the first
    // two, a check list three, an aMule list all four.
    enum class Column { Part, Name, Verdict, State };
    // A row's kind (kv::RowKind as int).
    static constexpr int kRowKindRole = Qt::UserRole + 1;
    // What a column sorts on: the shown text, aMule's state as its place in a download's life.
    static constexpr int kSortRole = Qt::UserRole + 2;

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
    // What the row menu acts on beyond the cells: a long list keeps no part
    // hashes, and what the detectors said before the lists only where it differs.
    struct Judged {
        Download download;
        Verdict verdict;
        std::unique_ptr<inspect::Suspicion> inspected;
        ReadProblem problem = ReadProblem::None;
        bool fromBackup = false, bytesElsewhere = false;
        bool inspectedIsReason = false;  // what the detectors said is the verdict's one reason
    };
    // One row of either list.
    struct Row {
        std::string part, name;           // the bytes as found
        std::string verdict;              // worded once when the row came, control bytes made visible
        std::unique_ptr<Judged> judged;   // none for a search row
        RowKind kind = RowKind::Plain;
        std::optional<ClientState> state;  // an aMule row's
    };
    static Row RowOf(Finding&& f);
    static QString StateText(ClientState state);
    QString Cell(const Row& row, Column column) const;
    QVariant SortKey(const Row& row, Column column) const;
    const Row& RowAt(int row) const { return rows_[order_[static_cast<size_t>(row)]]; }
    void Reset();
    void AllRowsChanged(Column first, Column last);

    ListKind kind_ = ListKind::Check;
    QStringList columns_;
    // A deque: a long list grows without a second copy of itself while it reallocates.
    std::deque<Row> rows_;         // in the order they came
    std::vector<uint32_t> order_;  // shown row -> index into rows_
    QPalette palette_;
};

}  // namespace kv::app
