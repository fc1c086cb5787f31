#pragma once

#include <QAbstractTableModel>

#include "disk_check/CheckTable.h"

namespace reelcase {

// The Changed group as Qt's views show it: old and new values side by side.
class ChangedModel : public QAbstractTableModel {
  public:
    enum Column { Check, Name, Length, Size, Quality, Format, Files, Note };
    static constexpr int ColumnCount = 8;

    explicit ChangedModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setTable(CheckTable* table);
    // Puts a row found by the table's takeMeasured in at its place.
    void insertFound(ChangedRow row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    CheckTable* table_ = nullptr;
};

// The Not found group: the stored values of movies no file matched.
class MissingModel : public QAbstractTableModel {
  public:
    enum Column { Check, Name, Length, Size, Quality, Format, Genre };
    static constexpr int ColumnCount = 7;

    explicit MissingModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setTable(CheckTable* table);
    // The table's rows were replaced.
    void rowsReplaced();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    CheckTable* table_ = nullptr;
};

}  // namespace reelcase
