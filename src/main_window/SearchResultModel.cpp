#include "main_window/SearchResultModel.h"

#include "catalogue/TextCodec.h"

namespace reelcase {

SearchResultModel::SearchResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void SearchResultModel::reset(const std::vector<SearchRow>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const SearchRow& row = rows_[static_cast<std::size_t>(index.row())];
    return shownListText(index.column() == 0 ? row.name() : row.genre());
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return section == 0 ? tr("Movie Name") : tr("Genre");
}

}  // namespace reelcase
