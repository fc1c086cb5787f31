#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace reelcase {

// A captioned group of radio buttons laid out in columns, filled column by column, whose
// selected item may also be none (-1).
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    void setItemIndex(int index);

  private:
    QButtonGroup* buttons_;
};

}  // namespace reelcase
