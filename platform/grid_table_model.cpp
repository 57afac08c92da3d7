#include "platform/grid_table_model.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace trimora {

namespace {

// Grid texts are 8-bit characters, one byte each.
QString TextOf(const std::string& text) { return QString::fromLatin1(text); }

// "<" left-aligns a column, ">" right-aligns it and "^" centres it; left is the default.
Qt::Alignment AlignmentOf(const std::string& format) {
  const char mark = format.empty() ? '<' : format.front();
  const Qt::Alignment horizontal = mark == '>'   ? Qt::AlignRight
                                   : mark == '^' ? Qt::AlignHCenter
                                                 : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

}  // namespace

GridTableModel::GridTableModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      rows_(std::max(0, grid.RowCount() - 1)),
      columns_(grid.ColumnCount()) {
  ReadAlignments();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return TextOf(grid_.Text(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignments_[size_t(index.column())]);
    case Qt::BackgroundRole:
      // The serial column is fixed like the header: it looks like one.
      if (index.column() == 0) return QGuiApplication::palette().button();
      return {};
    case Qt::ForegroundRole:
      if (index.column() == 0) return QGuiApplication::palette().buttonText();
      return {};
    default:
      return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columns_) return {};
  if (role == Qt::DisplayRole) return TextOf(grid_.Text(0, section));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignments_[size_t(section)]);
  return {};
}

// The serial column can be neither selected nor made current, so the keyboard and the mouse
// pass over it.
Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.column() == 0) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridTableModel::Refresh() {
  const int rows = std::max(0, grid_.RowCount() - 1);
  const int columns = grid_.ColumnCount();
  if (rows != rows_ || columns != columns_) {
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    ReadAlignments();
    endResetModel();
    return;
  }
  ReadAlignments();
  if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

void GridTableModel::ReadAlignments() {
  alignments_.assign(size_t(columns_), AlignmentOf(""));
  const std::string& format = grid_.formatString;
  size_t start = 0;
  for (size_t column = 0; column < alignments_.size() && start <= format.size(); ++column) {
    const size_t end = std::min(format.find('|', start), format.size());
    alignments_[column] = AlignmentOf(format.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace trimora
