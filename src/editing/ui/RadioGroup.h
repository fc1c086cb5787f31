#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace reelcase {

// A captioned group of radio buttons laid out in columns, filled column by column, whose
// selected item may also be none (-1). The group is one tab stop, its checked item (the first
// when none is checked), so that tabbing in never lands where Space would change the value.
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    void setItemIndex(int index);

  private:
    void makeCheckedTheTabStop();

    QButtonGroup* buttons_;
};

}  // namespace reelcase
