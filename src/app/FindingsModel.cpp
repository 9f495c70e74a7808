#include "FindingsModel.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include <algorithm>

#include "RowColours.h"
#include "Translations.h"
#include "app/presenter/ResultRows.h"
#include "common/DisplayText.h"
#include "usecases/ReportText.h"

namespace kv::app {


Finding SlimFinding(Finding f) {
    std::vector<Ed2kHash>().swap(f.download.partHashes);
    std::vector<ByteRange>().swap(f.download.gaps);
    return f;
}

FindingsModel::FindingsModel(QObject* parent) : QAbstractTableModel(parent) { Start(ListKind::Check); }

FindingsModel::Row FindingsModel::RowOf(Finding&& f) {
    Row r;
    r.verdict = VisibleControls(VerdictOf(f, VerdictWords()));
    r.kind = KindOf(f.verdict);
    r.part = std::move(f.part);
    auto j = std::make_unique<Judged>();
    j->download = std::move(f.download);
    r.name = std::move(j->download.name);  // kept once, in the row
    std::vector<Ed2kHash>().swap(j->download.partHashes);
    std::vector<ByteRange>().swap(j->download.gaps);
    // Kept apart only where the lists changed what the detectors said: the own list may change its mind.
    const std::vector<inspect::Suspicion>& reasons = f.verdict.reasons;
    j->inspectedIsReason = f.inspected && reasons.size() == 1 && reasons.front() == *f.inspected;
    if (f.inspected && !j->inspectedIsReason) j->inspected = std::make_unique<inspect::Suspicion>(std::move(*f.inspected));
    j->verdict = std::move(f.verdict);
    j->problem = f.problem;
    j->fromBackup = f.fromBackup, j->bytesElsewhere = f.bytesElsewhere;
    r.judged = std::move(j);
    return r;
}

void FindingsModel::Reset() {
    std::deque<Row>().swap(rows_);
    std::vector<uint32_t>().swap(order_);
}

void FindingsModel::Start(ListKind kind) {
    beginResetModel();
    kind_ = kind;
    columns_.clear();
    for (const std::string& c : ListColumns(kind)) columns_ << Shown(c);
    Reset();
    endResetModel();
}

void FindingsModel::Clear() {
    if (rows_.empty()) return;
    beginRemoveRows({}, 0, rowCount() - 1);
    Reset();
    endRemoveRows();
}

void FindingsModel::Append(std::vector<Finding>&& findings, std::vector<ClientState>&& states) {
    if (findings.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(findings.size()) - 1);
    for (size_t i = 0; i < findings.size(); ++i) {
        order_.push_back(static_cast<uint32_t>(rows_.size()));
        rows_.push_back(RowOf(std::move(findings[i])));
        if (i < states.size()) rows_.back().state = states[i];
    }
    findings = {};
    endInsertRows();
}

void FindingsModel::Append(std::vector<SearchHit>&& hits) {
    if (hits.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    for (SearchHit& h : hits) {
        order_.push_back(static_cast<uint32_t>(rows_.size()));
        Row& row = rows_.emplace_back();
        row.part = std::move(h.part), row.name = std::move(h.name);
    }
    hits = {};
    endInsertRows();
}

void FindingsModel::AllRowsChanged(Column first, Column last) {
    if (!rows_.empty()) emit dataChanged(index(0, static_cast<int>(first)), index(rowCount() - 1, static_cast<int>(last)));
}

void FindingsModel::SetClientState(const Ed2kHash& hash, ClientState state) {
    for (Row& r : rows_)
        if (r.judged && r.judged->download.hash == hash) r.state = state;
    if (kind_ == ListKind::Amule) AllRowsChanged(Column::State, Column::State);
}

void FindingsModel::Update(std::vector<Finding>&& findings) {
    for (Row& r : rows_) {
        if (!r.judged) continue;
        for (const Finding& f : findings) {
            if (!f.download.hash || r.judged->download.hash != f.download.hash || r.part != f.part)
                continue;
            const std::optional<ClientState> state = r.state;
            r = RowOf(Finding(f));
            r.state = state;
        }
    }
    AllRowsChanged(Column::Part, static_cast<Column>(columnCount() - 1));
}

std::optional<Finding> FindingsModel::FindingAt(int row) const {
    if (row < 0 || row >= rowCount() || !RowAt(row).judged) return std::nullopt;
    const Row& r = RowAt(row);
    const Judged& j = *r.judged;
    Finding f;
    f.part = r.part;
    f.download = j.download;
    f.download.name = r.name;
    f.verdict = j.verdict;
    if (j.inspected) f.inspected = *j.inspected;
    else if (j.inspectedIsReason) f.inspected = j.verdict.reasons.front();
    f.problem = j.problem;
    f.fromBackup = j.fromBackup;
    f.bytesElsewhere = j.bytesElsewhere;
    return f;
}

void FindingsModel::SetPalette(const QPalette& palette) {
    palette_ = palette;
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int FindingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FindingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString FindingsModel::Cell(const Row& row, Column column) const {
    switch (column) {
        case Column::Part: return Shown(VisibleControls(row.part));
        case Column::Name: return Shown(VisibleControls(row.name));
        case Column::Verdict: return Shown(row.verdict);
        case Column::State: return row.state ? StateText(*row.state) : QString();
    }
    return {};
}

QVariant FindingsModel::SortKey(const Row& row, Column column) const {
    if (column == Column::State) return row.state ? static_cast<int>(*row.state) : -1;
    return Cell(row, column);
}

QString FindingsModel::StateText(ClientState state) {
    switch (state) {
        case ClientState::Downloading: return tr("Downloading");
        case ClientState::Waiting: return tr("Waiting");
        case ClientState::Paused: return tr("Paused");
        case ClientState::Stopped: return tr("Stopped");
        case ClientState::Hashing: return tr("Hashing");
        case ClientState::Completing: return tr("Completing");
        case ClientState::Complete: return tr("Complete");
        case ClientState::Error: return tr("Error");
        case ClientState::Cancelled: return tr("Cancelled");
        case ClientState::Other: break;
    }
    return tr("Unknown");
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = RowAt(index.row());
    const RowKind kind = row.kind;
    switch (role) {
        case Qt::DisplayRole: return Cell(row, static_cast<Column>(index.column()));
        case kSortRole: return SortKey(row, static_cast<Column>(index.column()));
        case kRowKindRole: return static_cast<int>(kind);
        case Qt::ToolTipRole:
            if (kind == RowKind::Plain) return {};
            return kind == RowKind::Fake ? tr("Fake") : tr("Suspect");
        case Qt::DecorationRole: {
            // Fakes and suspects stand out by an icon too, so that the difference does not rest on colour alone.
            if (index.column() != 0 || kind == RowKind::Plain) return {};
            return QApplication::style()->standardIcon(kind == RowKind::Fake ? QStyle::SP_MessageBoxCritical
                                                                              : QStyle::SP_MessageBoxWarning);
        }
        case Qt::BackgroundRole:
            if (kind == RowKind::Plain) return {};
            return ColoursFor(kind, palette_).background;
        case Qt::ForegroundRole:
            if (kind == RowKind::Plain) return {};
            return ColoursFor(kind, palette_).text;
        default: return {};
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return columns_[section];
}

void FindingsModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // A row's identity is its place in rows_: the order it came in.
    const QModelIndexList before = persistentIndexList();
    std::vector<uint32_t> arrivalsBefore;
    arrivalsBefore.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& i : before) arrivalsBefore.push_back(order_[static_cast<size_t>(i.row())]);

    if (column < 0 || column >= columnCount()) {
        std::sort(order_.begin(), order_.end());
    } else {
        // Each key made once; equal keys keep the order the rows came in.
        std::vector<std::pair<QVariant, uint32_t>> keys;
        keys.reserve(order_.size());
        for (const uint32_t r : order_) keys.emplace_back(SortKey(rows_[r], static_cast<Column>(column)), r);
        const auto compare = [](const QVariant& a, const QVariant& b) {
            if (a.typeId() == QMetaType::QString) return a.toString().compare(b.toString(), Qt::CaseInsensitive);
            return a.toInt() - b.toInt();
        };
        std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
            const int c = compare(a.first, b.first);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        for (size_t i = 0; i < keys.size(); ++i) order_[i] = keys[i].second;
    }

    std::vector<int> rowOfArrival(rows_.size(), -1);
    for (size_t i = 0; i < order_.size(); ++i) rowOfArrival[order_[i]] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOfArrival[arrivalsBefore[static_cast<size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kv::app
