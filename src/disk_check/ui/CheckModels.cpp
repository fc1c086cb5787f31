#include "disk_check/ui/CheckModels.h"

#include <QCoreApplication>

#include "catalogue/EnteredPath.h"
#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

// A value as a cell shows it: alone when it stayed, the old one beside the new otherwise.
QString sideBySide(const QString& before, const QString& after) {
    return before == after ? before : before + QStringLiteral(" \u2192 ") + after;
}

QVariant rightAligned() {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
}

QString fileNames(const QStringList& files) {
    QStringList names;
    for (const QString& f : files) {
        names << fileNameOf(f);
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

void ChangedModel::setTable(CheckTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

void ChangedModel::insertFound(ChangedRow row) {
    const int position = table_->changedPosition(row);
    beginInsertRows({}, position, position);
    table_->insertChanged(position, std::move(row));
    endInsertRows();
}

int ChangedModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || table_ == nullptr ? 0 : static_cast<int>(table_->changed().size());
}

int ChangedModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChangedModel::data(const QModelIndex& index, int role) const {
    if (table_ == nullptr || !index.isValid()) {
        return {};
    }
    const ChangedRow& row = table_->changed()[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Check) {
        return row.checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::ToolTipRole && index.column() == Files) {
        return row.files.join(QLatin1Char('\n'));
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Length && index.column() <= Quality) {
        return rightAligned();
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const bool measured = row.failure.isEmpty();
    const auto number = [&](int before, int after) {
        return measured ? sideBySide(QString::number(before), QString::number(after))
                        : QString::number(before);
    };
    switch (index.column()) {
        case Name:
            return row.name;
        case Length:
            return number(row.before.length, row.after.length);
        case Size:
            return number(row.before.size, row.after.size);
        case Quality:
            return number(row.before.quality, row.after.quality);
        case Format:
            return measured ? sideBySide(row.before.format, row.after.format) : row.before.format;
        case Files:
            return fileNames(row.files);
        case Note:
            return measured ? QString()
                            : QCoreApplication::translate("FolderStatus", "unreadable: %1")
                                  .arg(row.failure);
        default:
            return {};
    }
}

QVariant ChangedModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const titles[ColumnCount] = {
        "",
        QT_TRANSLATE_NOOP("CheckModels", "Name"),
        QT_TRANSLATE_NOOP("CheckModels", "Length (min)"),
        QT_TRANSLATE_NOOP("CheckModels", "Size (MB)"),
        QT_TRANSLATE_NOOP("CheckModels", "Quality"),
        QT_TRANSLATE_NOOP("CheckModels", "Format"),
        QT_TRANSLATE_NOOP("CheckModels", "Files"),
        QT_TRANSLATE_NOOP("CheckModels", "Note")};
    return section == Check ? QString()
                            : QCoreApplication::translate("CheckModels", titles[section]);
}

Qt::ItemFlags ChangedModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (table_ != nullptr && index.isValid() && index.column() == Check &&
        table_->changed()[static_cast<std::size_t>(index.row())].failure.isEmpty()) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

bool ChangedModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (table_ == nullptr || !index.isValid() || index.column() != Check ||
        role != Qt::CheckStateRole) {
        return false;
    }
    table_->setChangedChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    Q_EMIT dataChanged(index, index);
    return true;
}

void MissingModel::setTable(CheckTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

void MissingModel::rowsReplaced() {
    beginResetModel();
    endResetModel();
}

int MissingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || table_ == nullptr ? 0 : static_cast<int>(table_->missing().size());
}

int MissingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MissingModel::data(const QModelIndex& index, int role) const {
    if (table_ == nullptr || !index.isValid()) {
        return {};
    }
    const MissingRow& row = table_->missing()[static_cast<std::size_t>(index.row())];
    const MovieRecord& movie = table_->movie(row.slot);
    if (role == Qt::CheckStateRole && index.column() == Check) {
        return row.checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Length && index.column() <= Quality) {
        return rightAligned();
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case Name:
            return fromCatalogueText(nameOf(movie));
        case Genre:
            return fromCatalogueText(fieldText(movie.Genre));
        case Format:
            return fromCatalogueText(fieldText(movie.Format));
        case Length:
            return QString::number(movie.Length);
        case Size:
            return QString::number(movie.Size);
        case Quality:
            return QString::number(movie.Quality);
        default:
            return {};
    }
}

QVariant MissingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const titles[ColumnCount] = {
        "",
        QT_TRANSLATE_NOOP("CheckModels", "Name"),
        QT_TRANSLATE_NOOP("CheckModels", "Length (min)"),
        QT_TRANSLATE_NOOP("CheckModels", "Size (MB)"),
        QT_TRANSLATE_NOOP("CheckModels", "Quality"),
        QT_TRANSLATE_NOOP("CheckModels", "Format"),
        QT_TRANSLATE_NOOP("CheckModels", "Genre")};
    return section == Check ? QString()
                            : QCoreApplication::translate("CheckModels", titles[section]);
}

Qt::ItemFlags MissingModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.isValid() && index.column() == Check) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

bool MissingModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (table_ == nullptr || !index.isValid() || index.column() != Check ||
        role != Qt::CheckStateRole) {
        return false;
    }
    table_->setMissingChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    Q_EMIT dataChanged(index, index);
    return true;
}

}  // namespace reelcase
