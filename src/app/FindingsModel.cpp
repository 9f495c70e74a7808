#include "FindingsModel.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include <algorithm>

#include "RowColours.h"
#include "Translations.h"
#include "app/presenter/ResultRows.h"
#include "common/DisplayText.h"

namespace kv::app {


Finding SlimFinding(Finding f) {
    std::vector<Ed2kHash>().swap(f.download.partHashes);
    std::vector<ByteRange>().swap(f.download.gaps);
    return f;
}

FindingsModel::FindingsModel(QObject* parent) : QAbstractTableModel(parent) { Start(ListKind::Check); }

FindingsModel::Kept FindingsModel::Keep(Finding&& f) {
    Kept k;
    k.part = std::move(f.part);
    k.download = std::move(f.download);
    std::vector<Ed2kHash>().swap(k.download.partHashes);
    std::vector<ByteRange>().swap(k.download.gaps);
    // Kept apart only where the lists changed what the detectors said: the own list may change its mind.
    const std::vector<inspect::Suspicion>& reasons = f.verdict.reasons;
    k.inspectedIsReason = f.inspected && reasons.size() == 1 && reasons.front() == *f.inspected;
    if (f.inspected && !k.inspectedIsReason) k.inspected = std::make_unique<inspect::Suspicion>(std::move(*f.inspected));
    k.verdict = std::move(f.verdict);
    k.problem = f.problem;
    k.fromBackup = f.fromBackup, k.bytesElsewhere = f.bytesElsewhere;
    return k;
}

Finding FindingsModel::Restore(const Kept& k) {
    Finding f;
    f.part = k.part;
    f.download = k.download;
    f.verdict = k.verdict;
    if (k.inspected) f.inspected = *k.inspected;
    else if (k.inspectedIsReason) f.inspected = k.verdict.reasons.front();
    f.problem = k.problem;
    f.fromBackup = k.fromBackup;
    f.bytesElsewhere = k.bytesElsewhere;
    return f;
}

void FindingsModel::Reset() {
    std::deque<Kept>().swap(findings_);
    std::deque<SearchHit>().swap(hits_);
    std::vector<Slot>().swap(rows_);
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
        rows_.push_back(Slot{static_cast<uint32_t>(findings_.size()), false});
        findings_.push_back(Keep(std::move(findings[i])));
        if (i < states.size()) findings_.back().clientState = states[i];
    }
    findings = {};
    endInsertRows();
}

void FindingsModel::Append(std::vector<SearchHit>&& hits) {
    if (hits.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    for (SearchHit& h : hits) {
        rows_.push_back(Slot{static_cast<uint32_t>(hits_.size()), true});
        hits_.push_back(std::move(h));
    }
    hits = {};
    endInsertRows();
}

void FindingsModel::AllRowsChanged(int firstColumn, int lastColumn) {
    if (!rows_.empty()) emit dataChanged(index(0, firstColumn), index(rowCount() - 1, lastColumn));
}

void FindingsModel::SetClientState(const Ed2kHash& hash, ClientState state) {
    for (Kept& k : findings_)
        if (k.download.hash == hash) k.clientState = state;
    if (kind_ == ListKind::Amule) AllRowsChanged(kAmuleState, kAmuleState);
}

void FindingsModel::Update(std::vector<Finding>&& findings) {
    for (Kept& k : findings_) {
        for (Finding& f : findings) {
            if (!f.download.hash || k.download.hash != f.download.hash || k.part != f.part) continue;
            const std::optional<ClientState> state = k.clientState;
            k = Keep(Finding(f));
            k.clientState = state;
        }
    }
    AllRowsChanged(0, columnCount() - 1);
}

std::optional<Finding> FindingsModel::FindingAt(int row) const {
    if (row < 0 || row >= rowCount() || rows_[static_cast<size_t>(row)].hit) return std::nullopt;
    return Restore(findings_[rows_[static_cast<size_t>(row)].index]);
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

// Made each time it is asked for: a long list keeps no text of its own.
QString FindingsModel::Cell(Slot slot, int column) const {
    if (slot.hit) {
        const SearchHit& h = hits_[slot.index];
        return column == 0 ? Shown(VisibleControls(h.part)) : column == 1 ? Shown(VisibleControls(h.name)) : QString();
    }
    const Kept& k = findings_[slot.index];
    switch (column) {
        case 0: return Shown(VisibleControls(k.part));
        case 1: return Shown(VisibleControls(k.download.name));
        case 2: return Shown(FindingCells(Restore(k), VerdictWords())[2]);
        case kAmuleState: return k.clientState ? StateText(*k.clientState) : QString();
        default: return {};
    }
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
    const Slot slot = rows_[static_cast<size_t>(index.row())];
    const RowKind kind = slot.hit ? RowKind::Plain : KindOf(findings_[slot.index].verdict);
    switch (role) {
        case Qt::DisplayRole: return Cell(slot, index.column());
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
    // A row's identity: its place among all rows in the order they came.
    const auto arrival = [this](Slot s) { return s.hit ? findings_.size() + s.index : size_t{s.index}; };
    const QModelIndexList before = persistentIndexList();
    std::vector<size_t> arrivalsBefore;
    arrivalsBefore.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& i : before) arrivalsBefore.push_back(arrival(rows_[static_cast<size_t>(i.row())]));

    if (column < 0 || column >= columnCount()) {
        std::sort(rows_.begin(), rows_.end(), [&](Slot a, Slot b) { return arrival(a) < arrival(b); });
    } else {
        // Each key made once; equal keys keep the order the rows came in.
        std::vector<std::pair<QString, Slot>> keys;
        keys.reserve(rows_.size());
        for (const Slot s : rows_) keys.emplace_back(Cell(s, column), s);
        std::stable_sort(keys.begin(), keys.end(), [order](const auto& a, const auto& b) {
            const int c = a.first.compare(b.first, Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        for (size_t i = 0; i < keys.size(); ++i) rows_[i] = keys[i].second;
    }

    std::vector<int> rowOfArrival(findings_.size() + hits_.size(), -1);
    for (size_t i = 0; i < rows_.size(); ++i) rowOfArrival[arrival(rows_[i])] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOfArrival[arrivalsBefore[static_cast<size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kv::app
