#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "finding/NameSearch.h"

namespace reelcase {

// The search results as two columns, "Movie Name" and "Genre"; names are decoded only for
// the rows on screen.
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit SearchResultModel(QObject* parent);

    // Shows these rows instead. The model keeps its own copy, so that the view never sees
    // rows change before it has been told.
    void reset(const std::vector<SearchRow>& rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SearchRow> rows_;
};

}  // namespace reelcase
