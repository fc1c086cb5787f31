#pragma once

#include <QStyledItemDelegate>

#include "folder_add/FolderAddTable.h"
#include "folder_add/ui/CheckBoxTableModel.h"

namespace reelcase {

// The folder window's table as Qt's views show it; every edit goes to FolderAddTable.
class FolderAddModel : public CheckBoxTableModel {
  public:
    enum Column { Check, Name, Format, Length, Size, Quality, Parts, Files, Status, Genre, Rating };
    static constexpr int ColumnCount = 11;

    explicit FolderAddModel(QObject* parent = nullptr);

    void setTable(FolderAddTable* table);
    FolderAddTable* table() const { return table_; }
    // The table changed some rows (and so perhaps every status); rowsReplaced when it took in
    // new ones.
    void rowsChanged();

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    int rows() const override;
    bool checked(int row) const override;
    bool checkable(int row) const override;
    void setChecked(int row, bool checked) override;
    void checkChanged(const QModelIndex& index) override;
    QVariant cell(const QModelIndex& index, int role) const override;

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
