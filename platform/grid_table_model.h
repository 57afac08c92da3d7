#pragma once
// The Grid seen as a Qt table: grid row 0 becomes the horizontal header, grid rows 1 .. n the
// table's rows 0 .. n-1, and grid columns keep their numbers, the serial column "Sr No"
// included. The model is read-only to Qt: cells change only through the grid itself.

#include <QAbstractTableModel>
#include <vector>

#include "storage/grid.h"

namespace trimora {

class GridTableModel : public QAbstractTableModel {
 public:
  explicit GridTableModel(Grid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Takes in whatever the grid changed: a new shape resets the model, otherwise every cell
  // and header is reported changed.
  void Refresh();

 private:
  void ReadAlignments();

  Grid& grid_;
  int rows_;
  int columns_;
  std::vector<Qt::Alignment> alignments_;  // by column, from the grid's column format
};

}  // namespace trimora
