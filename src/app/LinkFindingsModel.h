#pragma once

#include <QAbstractTableModel>
#include <QPalette>

#include <vector>

#include "usecases/LinkCheck.h"

namespace kv::app {

// The link check's rows, the way the main window's list holds the check's:
// the findings themselves, shown in three columns, coloured from the palette.
class LinkFindingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kLine = 0, kName = 1, kVerdict = 2 };

    explicit LinkFindingsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void Shown(std::vector<LinkFinding> findings);
    void SetPalette(const QPalette& palette);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<LinkFinding> findings_;
    QPalette palette_;
};

}  // namespace kv::app
