#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "folder_add/FolderAddTable.h"

namespace reelcase {

// The folder window's table as Qt's views show it; every edit goes to FolderAddTable.
class FolderAddModel : public QAbstractTableModel {
  public:
    enum Column { Check, Name, Format, Length, Size, Quality, Parts, Files, Status, Genre, Rating };
    static constexpr int ColumnCount = 11;

    explicit FolderAddModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setTable(FolderAddTable* table);
    FolderAddTable* table() const { return table_; }
    // The table took in new rows, or changed the given ones (and so perhaps every status).
    void rowsReplaced();
    void rowsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    FolderAddTable* table_ = nullptr;
};

// A box of the format, genre or rating vocabulary in the table's cells.
class VocabularyDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// The items of a vocabulary as its boxes show them.
QStringList vocabularyItems(int column);

}  // namespace reelcase
