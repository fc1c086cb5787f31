#include "folder_add/ui/FolderAddModel.h"

#include <array>

#include <QComboBox>
#include <QCoreApplication>

#include "catalogue/TextCodec.h"
#include "look/ui/ClassicLook.h"

namespace reelcase {

namespace {

constexpr std::array<const char*, FolderAddModel::ColumnCount> kTitles = {
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

FolderAddModel::FolderAddModel(QObject* parent)
    : CheckBoxTableModel("FolderAddModel", kTitles, Length, Parts, parent) {}

void FolderAddModel::setTable(FolderAddTable* table) {
    replaceTable(table_, table);
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

int FolderAddModel::rows() const {
    return table_ == nullptr ? 0 : table_->size();
}

bool FolderAddModel::checked(int row) const {
    return table_->row(row).checked;
}

bool FolderAddModel::checkable(int row) const {
    return table_->checkable(row);
}

void FolderAddModel::setChecked(int row, bool checked) {
    table_->setChecked(row, checked);
}

void FolderAddModel::checkChanged(const QModelIndex& /*index*/) {
    rowsChanged();
}

QVariant FolderAddModel::cell(const QModelIndex& index, int role) const {
    const int r = index.row();
    const FolderRow& row = table_->row(r);
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
        case Files:
            return fileNames(row.files);
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

Qt::ItemFlags FolderAddModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = CheckBoxTableModel::flags(index);
    if (table_ == nullptr || !index.isValid()) {
        return f;
    }
    switch (index.column()) {
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
    if (CheckBoxTableModel::setData(index, value, role)) {
        return true;
    }
    if (table_ == nullptr || !index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const int r = index.row();
    if (index.column() == Name && table_->setName(r, value.toString())) {
        Q_EMIT dataChanged(index, index);
    } else if (index.column() == Format) {
        table_->setFormat(r, value.toInt());
    } else if (index.column() == Genre) {
        table_->setGenre(r, value.toInt());
    } else if (index.column() == Rating) {
        table_->setRating(r, value.toInt());
    } else {
        return false;  // a column not edited here, or a name the table refused
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
