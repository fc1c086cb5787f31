#pragma once

#include <QDialog>

#include "editing/FileAnalysis.h"
#include "editing/MovieEditor.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace reelcase {

class RadioGroup;
class TfrmWait;

// The add/modify dialog. It edits the record of the request it is shown with and hands the
// result back; what it shows and what OK checks is MovieEditor's.
class TfrmAdd : public QDialog, public MovieDialog {
    Q_OBJECT
  public:
    // device measures the files that "File Info" analyses; the dialog makes its own wait
    // window for that.
    TfrmAdd(const Catalogue& catalogue, UserDialogs& dialogs, MediaDevice& device,
            QWidget* parent = nullptr);

    std::optional<MovieRecord> ShowMovieDialog(const MovieEditRequest& request) override;

    // The controls' contents, in the record's text form, and back.
    MovieForm currentForm() const;
    void showForm(const MovieForm& form);

    void FormShow();
    void btnAddOkClick();
    void btnAddCanClick();
    void btnFileAnalyseClick();

  private:
    void createControls();

    MovieEditor editor_;
    UserDialogs& dialogs_;
    MediaDevice& device_;
    TfrmWait* frmWait_ = nullptr;
    MovieEditRequest request_;
    std::optional<MovieRecord> result_;

    QGroupBox* GrpBoxGeneral = nullptr;
    QLineEdit* edtAddMov = nullptr;
    QLineEdit* edtAddMovieLength = nullptr;
    QLineEdit* edtMovieSize = nullptr;
    RadioGroup* radioParts = nullptr;
    QWidget* btnMovieFileInfo = nullptr;
    QPushButton* btnFileAnalyse = nullptr;
    RadioGroup* radioRating = nullptr;
    RadioGroup* radioGenre = nullptr;
    QPlainTextEdit* memPersonal = nullptr;
    RadioGroup* radioFormat = nullptr;
    RadioGroup* radioQuality = nullptr;
    QPushButton* btnAddOk = nullptr;
    QPushButton* btnAddCan = nullptr;
};

}  // namespace reelcase
