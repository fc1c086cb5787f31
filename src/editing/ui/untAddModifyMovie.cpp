#include "editing/ui/untAddModifyMovie.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "catalogue/TextCodec.h"
#include "editing/ui/RadioGroup.h"
#include "editing/ui/StorableTextInput.h"
#include "editing/ui/untMovieAnalyseWait.h"
#include "look/ui/ClassicLook.h"
#include "look/ui/WindowPlacement.h"

namespace reelcase {

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent, int left, int top,
              QWidget* buddy = nullptr) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(left, top);
    l->adjustSize();
    // The caption names the box it stands before, also to a screen reader.
    l->setBuddy(buddy);
    return l;
}

QLineEdit* edit(const char* name, QWidget* parent, const QRect& place, const QString& hint) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(place);
    e->setToolTip(hint);
    return e;
}

RadioGroup* group(const char* name, const QString& caption, const QStringList& items, int columns,
                  QWidget* parent, const QRect& place, const QString& hint) {
    auto* g = new RadioGroup(caption, items, columns, parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(place);
    g->setToolTip(hint);
    return g;
}

std::string recordText(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toCatalogueText(text);
}

QString shownText(std::string_view bytes) {
    QString text = fromCatalogueText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

TfrmAdd::TfrmAdd(const Catalogue& catalogue, UserDialogs& dialogs, MediaDevice& device,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      editor_(catalogue, dialogs),
      dialogs_(dialogs),
      device_(device),
      frmWait_(new TfrmWait(this)) {
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(tr("Add a new Movie!"));
    setFixedSize(368, 358);
    setStyleSheet(classicGroupBoxStyle());
    createControls();
    centreWhenShown(*this);
    connect(btnAddOk, &QPushButton::clicked, this, &TfrmAdd::btnAddOkClick);
    connect(btnAddCan, &QPushButton::clicked, this, &TfrmAdd::btnAddCanClick);
    connect(btnFileAnalyse, &QPushButton::clicked, this, &TfrmAdd::btnFileAnalyseClick);
}

void TfrmAdd::createControls() {
    GrpBoxGeneral = new QGroupBox(tr("General Settings"), this);
    GrpBoxGeneral->setObjectName(QStringLiteral("GrpBoxGeneral"));
    GrpBoxGeneral->setGeometry(8, 0, 353, 113);

    edtAddMov = edit("edtAddMov", GrpBoxGeneral, {120, 16, 225, 25},
                     tr("Enter here the name of the Movie!"));
    edtAddMov->setFont(pixelFont(QStringLiteral("Courier New"), 15));
    edtAddMov->setValidator(new StorableTextValidator(edtAddMov));
    QLabel* name = label("Label5", tr("Movie Name:"), GrpBoxGeneral, 16, 16, edtAddMov);
    name->setFont(pixelFont(QStringLiteral("Times New Roman"), 19));
    // At 19 pixels the caption is a little wider than the room before the box: it ends just
    // before the box instead of running into its border.
    const int nameRight = edtAddMov->x() - 3;
    const int nameWidth = name->sizeHint().width();
    name->setGeometry(std::min(16, nameRight - nameWidth), 16, nameWidth, 25);
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtAddMovieLength = edit("edtAddMovieLength", GrpBoxGeneral, {120, 48, 57, 25},
                             tr("Enter here the length of the Movie!"));
    label("Label4", tr("Movie Length:"), GrpBoxGeneral, 8, 52, edtAddMovieLength);
    label("Label1", tr("Minutes"), GrpBoxGeneral, 184, 52);
    edtMovieSize = edit("edtMovieSize", GrpBoxGeneral, {120, 80, 57, 25},
                        tr("Enter here the size of the Movie!"));
    label("Label2", tr("Movie Size:"), GrpBoxGeneral, 24, 84, edtMovieSize);
    label("Label3", tr("MB"), GrpBoxGeneral, 184, 84);
    radioParts =
        group("radioParts", tr("Number of Parts"),
              {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, 3, GrpBoxGeneral,
              {254, 48, 91, 31}, tr("Select here how many parts you want to analyse!"));
    radioParts->setItemIndex(0);
    // Three items and the caption in 91 pixels: a closer caption after each circle leaves room
    // between items, and the group's caption starts nearer its corner.
    radioParts->setStyleSheet(
        QStringLiteral("QRadioButton { spacing: 2px; } QGroupBox::title { left: 3px; }"));
    if (auto* grid = qobject_cast<QGridLayout*>(radioParts->layout())) {
        grid->setContentsMargins(3, 8, 1, 1);
        grid->setHorizontalSpacing(4);
    }
    btnMovieFileInfo = new QWidget(GrpBoxGeneral);
    btnMovieFileInfo->setObjectName(QStringLiteral("btnMovieFileInfo"));
    btnMovieFileInfo->setGeometry(229, 80, 29, 25);
    btnMovieFileInfo->hide();
    btnFileAnalyse = new QPushButton(tr("Analyse File(s)"), GrpBoxGeneral);
    btnFileAnalyse->setObjectName(QStringLiteral("btnFileAnalyse"));
    btnFileAnalyse->setGeometry(262, 80, 90, 25);
    btnFileAnalyse->setToolTip(tr("To analyse a Movie click here!"));
    btnFileAnalyse->setAutoDefault(false);

    // The ratings, genres and formats are written into the record as they are shown, and
    // stay English in every language (the groups go by the button's index).
    radioRating = group("radioRating", tr("Rating"), vocabularyItems(RatingNames), 3, this,
                        {8, 112, 353, 57}, tr("Select here your rating about this Movie!"));
    radioGenre = group("radioGenre", tr("Genre"), vocabularyItems(GenreNames), 1, this,
                       {8, 168, 89, 185}, tr("Select here the genre of the Movie!"));
    memPersonal = new QPlainTextEdit(this);
    memPersonal->setObjectName(QStringLiteral("memPersonal"));
    memPersonal->setGeometry(104, 192, 257, 65);
    memPersonal->setFont(pixelFont(QStringLiteral("Courier New"), 15));
    memPersonal->setToolTip(tr("Enter here some personal info about this Movie!"));
    memPersonal->setTabChangesFocus(true);
    keepStorableText(*memPersonal);
    QLabel* info = label("Label6", tr("Add some personal info here:"), this, 152, 176, memPersonal);
    info->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    info->adjustSize();
    radioFormat = group("radioFormat", tr("Movie Format "), vocabularyItems(FormatNames), 5, this,
                        {104, 256, 257, 33}, tr("Select here the format of the Movie!"));
    QStringList qualities;
    for (int q = 1; q <= QualityCount; ++q) {
        qualities << QString::number(q);
    }
    radioQuality = group("radioQuality", tr("Quality of the Movie"), qualities, 5, this,
                         {104, 288, 257, 33}, tr("Select here the quality-factor of the Movie!"));

    btnAddOk = new QPushButton(tr("OK"), this);
    btnAddOk->setObjectName(QStringLiteral("btnAddOk"));
    btnAddOk->setGeometry(208, 328, 75, 25);
    btnAddOk->setDefault(true);
    btnAddOk->setToolTip(tr("To acknowledge with your settings click here!"));
    btnAddCan = new QPushButton(tr("Cancel"), this);
    btnAddCan->setObjectName(QStringLiteral("btnAddCan"));
    btnAddCan->setGeometry(288, 328, 75, 25);
    btnAddCan->setAutoDefault(false);
    btnAddCan->setToolTip(tr("To leave this window click here!"));

    setTabOrder(edtAddMov, edtAddMovieLength);
    setTabOrder(edtAddMovieLength, edtMovieSize);
    setTabOrder(edtMovieSize, radioParts);
    setTabOrder(radioParts, btnFileAnalyse);
    setTabOrder(btnFileAnalyse, radioRating);
    setTabOrder(radioRating, radioGenre);
    setTabOrder(radioGenre, memPersonal);
    setTabOrder(memPersonal, radioFormat);
    setTabOrder(radioFormat, radioQuality);
    setTabOrder(radioQuality, btnAddOk);
    setTabOrder(btnAddOk, btnAddCan);
}

MovieForm TfrmAdd::currentForm() const {
    MovieForm form;
    form.name = toCatalogueText(edtAddMov->text());
    form.personalInfo = recordText(memPersonal->toPlainText());
    form.genre = radioGenre->itemIndex();
    form.quality = radioQuality->itemIndex();
    form.format = radioFormat->itemIndex();
    form.rating = radioRating->itemIndex();
    form.lengthText = toCatalogueText(edtAddMovieLength->text());
    form.sizeText = toCatalogueText(edtMovieSize->text());
    return form;
}

void TfrmAdd::showForm(const MovieForm& form) {
    edtAddMov->setText(shownText(form.name));
    memPersonal->setPlainText(shownText(form.personalInfo));
    radioGenre->setItemIndex(form.genre);
    radioQuality->setItemIndex(form.quality);
    radioFormat->setItemIndex(form.format);
    radioRating->setItemIndex(form.rating);
    edtAddMovieLength->setText(shownText(form.lengthText));
    edtMovieSize->setText(shownText(form.sizeText));
}

std::optional<MovieRecord> TfrmAdd::ShowMovieDialog(const MovieEditRequest& request) {
    request_ = request;
    result_.reset();
    FormShow();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return result_;
}

void TfrmAdd::FormShow() {
    showForm(MovieEditor::FormShow(request_, currentForm()));
    const bool modify = request_.modify();
    setWindowTitle(modify ? tr("Modify a Movie!") : tr("Add a new Movie!"));
    edtAddMov->setFocus();
    if (modify) {
        edtAddMov->selectAll();
    }
}

void TfrmAdd::btnAddOkClick() {
    result_ = editor_.checkedRecord(currentForm(), request_);
    if (result_) {
        accept();
    }
}

void TfrmAdd::btnAddCanClick() {
    reject();
}

}  // namespace reelcase

namespace reelcase {

void TfrmAdd::btnFileAnalyseClick() {
    AnalysedFields fields{edtAddMov->text(), edtAddMovieLength->text(), edtMovieSize->text(),
                          radioQuality->itemIndex(), radioFormat->itemIndex()};
    analyseMovieFiles(radioParts->itemIndex() + 1, fields, dialogs_, device_, *frmWait_);
    edtAddMov->setText(fields.name);
    edtAddMovieLength->setText(fields.lengthText);
    edtMovieSize->setText(fields.sizeText);
    radioQuality->setItemIndex(fields.quality);
    radioFormat->setItemIndex(fields.format);
}

}  // namespace reelcase
