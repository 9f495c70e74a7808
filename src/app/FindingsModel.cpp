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

namespace {

QString Show(const std::string& bytes) { return QString::fromUtf8(ToDisplayUtf8(bytes)); }

}  // namespace

Finding SlimFinding(Finding f) {
    std::vector<Ed2kHash>().swap(f.download.partHashes);
    std::vector<ByteRange>().swap(f.download.gaps);
    return f;
}

FindingsModel::FindingsModel(QObject* parent) : QAbstractTableModel(parent) { Start(ListKind::Check); }

void FindingsModel::Start(ListKind kind) {
    beginResetModel();
    kind_ = kind;
    columns_.clear();
    for (const std::string& c : ListColumns(kind)) columns_ << ShownText(c);
    rows_.clear();
    rows_.shrink_to_fit();
    arrivals_ = 0;
    endResetModel();
}

void FindingsModel::Clear() {
    if (rows_.empty()) return;
    beginRemoveRows({}, 0, static_cast<int>(rows_.size()) - 1);
    rows_.clear();
    rows_.shrink_to_fit();
    arrivals_ = 0;
    endRemoveRows();
}

void FindingsModel::Append(std::vector<Finding>&& findings) {
    if (findings.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(findings.size()) - 1);
    for (Finding& f : findings) {
        const RowKind kind = KindOf(f);
        rows_.push_back(Row{SlimFinding(std::move(f)), {}, kind, arrivals_++});
    }
    endInsertRows();
}

void FindingsModel::Append(std::vector<SearchHit>&& hits) {
    if (hits.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    for (SearchHit& h : hits) rows_.push_back(Row{std::nullopt, std::move(h), RowKind::Plain, arrivals_++});
    endInsertRows();
}

const Finding* FindingsModel::FindingAt(int row) const {
    if (row < 0 || row >= rowCount() || !rows_[static_cast<size_t>(row)].finding) return nullptr;
    return &*rows_[static_cast<size_t>(row)].finding;
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

QString FindingsModel::Cell(const Row& row, int column) const {
    const std::vector<std::string> cells = row.finding ? FindingCells(*row.finding, VerdictWords()) : SearchHitCells(row.hit);
    return column >= 0 && static_cast<size_t>(column) < cells.size() ? Show(cells[static_cast<size_t>(column)])
                                                                     : QString();
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole: return Cell(row, index.column());
        case kRowKindRole: return static_cast<int>(row.kind);
        case Qt::ToolTipRole:
            if (row.kind == RowKind::Plain) return {};
            return row.kind == RowKind::Fake ? tr("Fake") : tr("Suspect");
        case Qt::DecorationRole: {
            // Fakes and suspects stand out by an icon too, so that the difference does not rest on colour alone.
            if (index.column() != 0 || row.kind == RowKind::Plain) return {};
            return QApplication::style()->standardIcon(row.kind == RowKind::Fake ? QStyle::SP_MessageBoxCritical
                                                                                  : QStyle::SP_MessageBoxWarning);
        }
        case Qt::BackgroundRole:
            if (row.kind == RowKind::Plain) return {};
            return ColoursFor(row.kind, palette_).background;
        case Qt::ForegroundRole:
            if (row.kind == RowKind::Plain) return {};
            return ColoursFor(row.kind, palette_).text;
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
    const QModelIndexList before = persistentIndexList();
    std::vector<size_t> arrivalsBefore;
    arrivalsBefore.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& i : before) arrivalsBefore.push_back(rows_[static_cast<size_t>(i.row())].arrival);

    if (column < 0 || column >= columnCount()) {
        std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.arrival < b.arrival; });
    } else {
        // Each key made once; equal keys keep the order the rows came in.
        std::vector<std::pair<QString, size_t>> keys;
        keys.reserve(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i) keys.emplace_back(Cell(rows_[i], column), i);
        std::stable_sort(keys.begin(), keys.end(), [order](const auto& a, const auto& b) {
            const int c = a.first.compare(b.first, Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        std::vector<Row> sorted;
        sorted.reserve(rows_.size());
        for (const auto& k : keys) sorted.push_back(std::move(rows_[k.second]));
        rows_ = std::move(sorted);
    }

    std::vector<int> rowOfArrival(arrivals_, -1);
    for (size_t i = 0; i < rows_.size(); ++i) rowOfArrival[rows_[i].arrival] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOfArrival[arrivalsBefore[static_cast<size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kv::app
