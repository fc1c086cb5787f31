#include "folder_add/ui/CheckBoxTableModel.h"

#include <QCoreApplication>

#include "catalogue/EnteredPath.h"

namespace reelcase {

CheckBoxTableModel::CheckBoxTableModel(const char* context, std::span<const char* const> titles,
                                       int firstNumber, int lastNumber, QObject* parent)
    : QAbstractTableModel(parent),
      context_(context),
      titles_(titles),
      firstNumber_(firstNumber),
      lastNumber_(lastNumber) {}

void CheckBoxTableModel::rowsReplaced() {
    beginResetModel();
    endResetModel();
}

bool CheckBoxTableModel::shows(const QModelIndex& index) const {
    return index.isValid() && index.row() < rows();
}

int CheckBoxTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int CheckBoxTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant CheckBoxTableModel::data(const QModelIndex& index, int role) const {
    if (!shows(index)) {
        return {};
    }
    if (role == Qt::CheckStateRole && index.column() == CheckColumn) {
        return checked(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::TextAlignmentRole && index.column() >= firstNumber_ &&
        index.column() <= lastNumber_) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return cell(index, role);
}

QVariant CheckBoxTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return section == CheckColumn
               ? QString()
               : QCoreApplication::translate(context_, titles_[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags CheckBoxTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (shows(index) && index.column() == CheckColumn && checkable(index.row())) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

bool CheckBoxTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!shows(index) || index.column() != CheckColumn || role != Qt::CheckStateRole) {
        return false;
    }
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    checkChanged(index);
    return true;
}

QString fileNames(const QStringList& files) {
    QStringList names;
    for (const QString& f : files) {
        names << fileNameOf(f);
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace reelcase
