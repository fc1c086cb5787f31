#include "editing/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace reelcase {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 8, 4, 1);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    const auto count = static_cast<int>(items.size());
    const int perColumn = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        buttons_->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
    setAccessibleName(caption.trimmed());
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            makeCheckedTheTabStop();
        }
    });
    makeCheckedTheTabStop();
}

void RadioGroup::makeCheckedTheTabStop() {
    // A button takes the stop when it gets the focus (arrow keys); a checked item the
    // program chooses must take it too.
    const QList<QAbstractButton*> all = buttons_->buttons();
    const QAbstractButton* checked = buttons_->checkedButton();
    for (QAbstractButton* button : all) {
        const bool stop = checked != nullptr ? button == checked : button == all.constFirst();
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

int RadioGroup::itemIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its button; lift the rule for a moment.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons()) {
        button->setChecked(false);
    }
    buttons_->setExclusive(true);
    makeCheckedTheTabStop();
}

}  // namespace reelcase
