#include "main_window/MovieListModel.h"

#include "catalogue/TextCodec.h"

namespace reelcase {

MovieListModel::MovieListModel(MovieList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    list_.setObserver(this);
}

MovieListModel::~MovieListModel() {
    list_.setObserver(nullptr);
}

QModelIndex MovieListModel::index(int row, int column, const QModelIndex& parent) const {
    return row >= 0 && row < list_.size() && column == 0 && !parent.isValid()
               ? createIndex(row, column)
               : QModelIndex();
}

int MovieListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.size();
}

QVariant MovieListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (!index.isValid() || index.row() >= list_.size()) {
        return {};
    }
    return shownListText(list_.at(index.row()));
}

void MovieListModel::listAboutToReset() {
    beginResetModel();
}
void MovieListModel::listReset() {
    endResetModel();
}
void MovieListModel::entryAboutToInsert(int position) {
    beginInsertRows({}, position, position);
}
void MovieListModel::entryInserted(int /*position*/) {
    endInsertRows();
}
void MovieListModel::entryAboutToRemove(int position) {
    beginRemoveRows({}, position, position);
}
void MovieListModel::entryRemoved(int /*position*/) {
    endRemoveRows();
}
void MovieListModel::entryChanged(int position) {
    const QModelIndex at = index(position);
    Q_EMIT dataChanged(at, at);
}

}  // namespace reelcase
