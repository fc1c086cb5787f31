#pragma once

#include <span>

#include <QAbstractTableModel>
#include <QStringList>

namespace reelcase {

// A table whose first column holds a check box for each row, as Qt's views show it. The
// headings, the check boxes and the alignment of the number columns are kept here; a table
// gives its rows, their checks and the cells of its other columns.
class CheckBoxTableModel : public QAbstractTableModel {
  public:
    static constexpr int CheckColumn = 0;

    // The table's rows were replaced.
    void rowsReplaced();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  protected:
    // The columns' headings (the check boxes' one empty) are translated in the given context;
    // the columns from firstNumber to lastNumber hold numbers, aligned to the right.
    CheckBoxTableModel(const char* context, std::span<const char* const> titles, int firstNumber,
                       int lastNumber, QObject* parent);

    // The rows shown: none while there is no table.
    virtual int rows() const = 0;
    virtual bool checked(int row) const = 0;
    virtual bool checkable(int /*row*/) const { return true; }
    virtual void setChecked(int row, bool checked) = 0;
    // What a check changed repaints: its own cell unless a table says more.
    virtual void checkChanged(const QModelIndex& index) { Q_EMIT dataChanged(index, index); }
    // Every other cell and role, for a row that is shown.
    virtual QVariant cell(const QModelIndex& index, int role) const = 0;

    // Holds another table (or none): the views start over.
    template <typename Table>
    void replaceTable(Table*& held, Table* table) {
        beginResetModel();
        held = table;
        endResetModel();
    }

  private:
    bool shows(const QModelIndex& index) const;

    const char* context_;
    std::span<const char* const> titles_;
    int firstNumber_;
    int lastNumber_;
};

// The files' names without their folders, as a cell lists them.
QString fileNames(const QStringList& files);

}  // namespace reelcase
