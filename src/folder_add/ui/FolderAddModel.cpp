#include "folder_add/ui/FolderAddModel.h"

#include <QComboBox>
#include <QCoreApplication>

#include "catalogue/EnteredPath.h"
#include "catalogue/TextCodec.h"
#include "look/ui/ClassicLook.h"

namespace reelcase {

namespace {

// The stored genres, ratings and formats stay English; only the prompt is translated.
QString itemText(int column, int index) {
    const QStringList items = vocabularyItems(column);
    return index >= 0 && index < items.size()
               ? items.at(index)
               : QCoreApplication::translate("FolderAddModel", "choose...");
}

}  // namespace

QString shownStatus(const FolderAddTable& table, int index) {
    const FolderRow& row = table.row(index);
    if (row.status == RowStatus::Unreadable) {
        return QCoreApplication::translate("FolderStatus", "unreadable: %1").arg(row.failure);
    }
    return QCoreApplication::translate("FolderStatus",
                                       statusText(row.status).toLatin1().constData());
}

QStringList vocabularyItems(int column) {
    switch (column) {
        case FolderAddModel::Format:
            return vocabularyItems(FormatNames);
        case FolderAddModel::Genre:
            return vocabularyItems(GenreNames);
        case FolderAddModel::Rating:
            return vocabularyItems(RatingNames);
        default:
            return {};
    }
}

void FolderAddModel::setTable(FolderAddTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

void FolderAddModel::rowsReplaced() {
    beginResetModel();
    endResetModel();
}

void FolderAddModel::rowsChanged() {
    // Any change can move another row's status (a name now used twice), so all rows repaint;
    // all but the names, which only the user changes: a name being typed stays as typed.
    if (rowCount() > 0) {
        const int last = rowCount() - 1;
        Q_EMIT dataChanged(index(0, Check), index(last, Check));
        Q_EMIT dataChanged(index(0, Format), index(last, ColumnCount - 1));
    }
}

int FolderAddModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || table_ == nullptr ? 0 : table_->size();
}

int FolderAddModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderAddModel::data(const QModelIndex& index, int role) const {
    if (table_ == nullptr || !index.isValid()) {
        return {};
    }
    const int r = index.row();
    const FolderRow& row = table_->row(r);
    if (role == Qt::CheckStateRole && index.column() == Check) {
        return row.checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::EditRole) {
        switch (index.column()) {
            case Name:
                return row.name;
            case Format:
                return row.format;
            case Genre:
                return table_->genreOf(r);
            case Rating:
                return table_->ratingOf(r);
            default:
                break;
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Files) {
        return row.files.join(QLatin1Char('\n'));
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Length && index.column() <= Parts) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const bool done = row.measured && row.failure.isEmpty();
    switch (index.column()) {
        case Name:
            return row.name;
        case Format:
            return itemText(Format, row.format);
        case Length:
            return done ? QVariant(QString::number(row.minutes)) : QVariant();
        case Size:
            return done ? QVariant(QString::number(row.megabytes)) : QVariant();
        case Quality:
            return done ? QVariant(QString::number(row.quality + 1)) : QVariant();
        case Parts:
            return QString::number(row.files.size());
        case Files: {
            QStringList names;
            for (const QString& f : row.files) {
                names << fileNameOf(f);
            }
            return names.join(QStringLiteral(", "));
        }
        case Status:
            return shownStatus(*table_, r);
        case Genre:
            return itemText(Genre, table_->genreOf(r));
        case Rating:
            return itemText(Rating, table_->ratingOf(r));
        default:
            return {};
    }
}

QVariant FolderAddModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const titles[ColumnCount] = {
        "",
        QT_TRANSLATE_NOOP("FolderAddModel", "Name"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Format"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Length (min)"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Size (MB)"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Quality"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Parts"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Files"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Status"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Genre"),
        QT_TRANSLATE_NOOP("FolderAddModel", "Rating")};
    return section == Check ? QString()
                            : QCoreApplication::translate("FolderAddModel", titles[section]);
}

Qt::ItemFlags FolderAddModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (table_ == nullptr || !index.isValid()) {
        return f;
    }
    switch (index.column()) {
        case Check:
            if (table_->checkable(index.row())) {
                f |= Qt::ItemIsUserCheckable;
            }
            break;
        case Name:
        case Format:
        case Genre:
        case Rating:
            f |= Qt::ItemIsEditable;
            break;
        default:
            break;
    }
    return f;
}

bool FolderAddModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (table_ == nullptr || !index.isValid()) {
        return false;
    }
    const int r = index.row();
    const bool edit = role == Qt::EditRole;
    if (index.column() == Check && role == Qt::CheckStateRole) {
        table_->setChecked(r, value.value<Qt::CheckState>() == Qt::Checked);
    } else if (edit && index.column() == Name && table_->setName(r, value.toString())) {
        Q_EMIT dataChanged(index, index);
    } else if (edit && index.column() == Format) {
        table_->setFormat(r, value.toInt());
    } else if (edit && index.column() == Genre) {
        table_->setGenre(r, value.toInt());
    } else if (edit && index.column() == Rating) {
        table_->setRating(r, value.toInt());
    } else {
        return false;  // not an edit, or a name the table refused
    }
    rowsChanged();
    return true;
}

QWidget* VocabularyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    const QStringList items = vocabularyItems(index.column());
    if (items.isEmpty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* box = new QComboBox(parent);
    box->addItems(items);
    box->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    // The choice counts at once, not only when the box loses the focus.
    connect(box, &QComboBox::activated, box,
            [this, box] { Q_EMIT const_cast<VocabularyDelegate*>(this)->commitData(box); });
    return box;
}

void VocabularyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(index.data(Qt::EditRole).toInt());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void VocabularyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->currentIndex() >= 0) {
            model->setData(index, box->currentIndex(), Qt::EditRole);
        }
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace reelcase
