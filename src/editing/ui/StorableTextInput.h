#pragma once

#include <QValidator>

class QPlainTextEdit;

namespace reelcase {

// Leaves out, as they are typed or pasted, the characters a record's single-byte text cannot
// hold, so that what a box shows is what is saved.
class StorableTextValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The same for a multi-line box, which takes no validator.
void keepStorableText(QPlainTextEdit& box);

}  // namespace reelcase
