#pragma once

#include "disk_check/CheckTable.h"
#include "folder_add/ui/CheckBoxTableModel.h"

namespace reelcase {

// The Changed group as Qt's views show it: old and new values side by side.
class ChangedModel : public CheckBoxTableModel {
  public:
    enum Column { Check, Name, Length, Size, Quality, Format, Files, Note };
    static constexpr int ColumnCount = 8;

    explicit ChangedModel(QObject* parent = nullptr);

    void setTable(CheckTable* table);
    // Puts a row found by the table's takeMeasured in at its place.
    void insertFound(ChangedRow row);

  private:
    int rows() const override;
    bool checked(int row) const override;
    bool checkable(int row) const override;
    void setChecked(int row, bool checked) override;
    QVariant cell(const QModelIndex& index, int role) const override;

    CheckTable* table_ = nullptr;
};

// The Not found group: the stored values of movies no file matched.
class MissingModel : public CheckBoxTableModel {
  public:
    enum Column { Check, Name, Length, Size, Quality, Format, Genre };
    static constexpr int ColumnCount = 7;

    explicit MissingModel(QObject* parent = nullptr);

    void setTable(CheckTable* table);

  private:
    int rows() const override;
    bool checked(int row) const override;
    void setChecked(int row, bool checked) override;
    QVariant cell(const QModelIndex& index, int role) const override;

    CheckTable* table_ = nullptr;
};

}  // namespace reelcase
