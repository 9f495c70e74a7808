#include "LinkFindingsModel.h"

#include <QFont>

#include "RowColours.h"
#include "Translations.h"
#include "common/DisplayText.h"
#include "app/presenter/ResultRows.h"
#include "usecases/ReportText.h"

namespace kv::app {

namespace {

QString Tip(const LinkFinding& f) {
    QString tip = Shown(f.link ? f.link->Text() : f.raw);
    if (!f.verdict.fake()) return tip;
    tip += QLatin1Char('\n') + LinkFindingsModel::tr("Named by %1").arg(Shown(f.verdict.entry.listName));
    if (!f.verdict.reasons.empty())
        tip += QLatin1Char('\n') + LinkFindingsModel::tr("Also suspect: %1").arg(Shown(ReasonsText(f.verdict)));
    return tip;
}

}  // namespace

void LinkFindingsModel::Shown(std::vector<LinkFinding> findings) {
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

void LinkFindingsModel::SetPalette(const QPalette& palette) {
    palette_ = palette;
    if (!findings_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int LinkFindingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

int LinkFindingsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant LinkFindingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const LinkFinding& f = findings_[static_cast<size_t>(index.row())];
    const RowKind kind = KindOf(f.verdict);
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == kLine) return f.line > 0 ? QString::number(qulonglong(f.line)) : QString();
            return app::Shown(index.column() == kName ? LinkShownName(f) : LinkVerdictText(f, VerdictWords()));
        case Qt::ToolTipRole:
            if (index.column() == kName) return Tip(f);
            return index.column() == kVerdict ? app::Shown(LinkVerdictText(f, VerdictWords())) : QVariant();
        // Fakes and suspects stand out by colour and bold type; a malformed link, naming no file, is italic.
        case Qt::BackgroundRole: return kind == RowKind::Plain ? QVariant() : QVariant(ColoursFor(kind, palette_).background);
        case Qt::ForegroundRole: return kind == RowKind::Plain ? QVariant() : QVariant(ColoursFor(kind, palette_).text);
        case Qt::FontRole: {
            if (kind == RowKind::Plain && f.verdict.kind != VerdictKind::NotChecked) return {};
            QFont font;
            font.setBold(kind != RowKind::Plain);
            font.setItalic(f.verdict.kind == VerdictKind::NotChecked);
            return font;
        }
        default: return {};
    }
}

QVariant LinkFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kTitles[] = {QT_TR_NOOP("Line"), QT_TR_NOOP("Filename"), QT_TR_NOOP("Verdict")};
    return tr(kTitles[section]);
}

}  // namespace kv::app
