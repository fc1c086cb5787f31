#pragma once

#include <QAbstractListModel>

#include "catalogue/MovieList.h"

namespace reelcase {

// Shows a MovieList in a list view and follows its changes; names are decoded only for the
// rows on screen, so 100,000 entries cost nothing to show.
class MovieListModel : public QAbstractListModel, public MovieListObserver {
    Q_OBJECT
  public:
    explicit MovieListModel(MovieList& list, QObject* parent = nullptr);
    ~MovieListModel() override;
    MovieListModel(const MovieListModel&) = delete;
    MovieListModel& operator=(const MovieListModel&) = delete;

    // Without the two virtual calls of the base's check: the view asks for every row's index
    // when it lays out the list.
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void listAboutToReset() override;
    void listReset() override;
    void entryAboutToInsert(int position) override;
    void entryInserted(int position) override;
    void entryAboutToRemove(int position) override;
    void entryRemoved(int position) override;
    void entryChanged(int position) override;

  private:
    MovieList& list_;
};

}  // namespace reelcase
