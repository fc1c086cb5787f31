#include "disk_check/ui/CheckModels.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

constexpr std::array<const char*, ChangedModel::ColumnCount> kChangedTitles = {
    "",
    QT_TRANSLATE_NOOP("CheckModels", "Name"),
    QT_TRANSLATE_NOOP("CheckModels", "Length (min)"),
    QT_TRANSLATE_NOOP("CheckModels", "Size (MB)"),
    QT_TRANSLATE_NOOP("CheckModels", "Quality"),
    QT_TRANSLATE_NOOP("CheckModels", "Format"),
    QT_TRANSLATE_NOOP("CheckModels", "Files"),
    QT_TRANSLATE_NOOP("CheckModels", "Note")};

// The Not found group's columns are the Changed group's up to the format, then the genre.
static_assert(int(MissingModel::Format) == int(ChangedModel::Format) &&
              MissingModel::Genre == MissingModel::Format + 1);
constexpr std::array<const char*, MissingModel::ColumnCount> kMissingTitles = [] {
    std::array<const char*, MissingModel::ColumnCount> titles{};
    std::copy_n(kChangedTitles.begin(), MissingModel::Genre, titles.begin());
    titles[MissingModel::Genre] = QT_TRANSLATE_NOOP("CheckModels", "Genre");
    return titles;
}();

// A value as a cell shows it: alone when it stayed, the old one beside the new otherwise.
QString sideBySide(const QString& before, const QString& after) {
    return before == after ? before : before + QStringLiteral(" \u2192 ") + after;
}

}  // namespace

ChangedModel::ChangedModel(QObject* parent)
    : CheckBoxTableModel("CheckModels", kChangedTitles, Length, Quality, parent) {}

void ChangedModel::setTable(CheckTable* table) {
    replaceTable(table_, table);
}

void ChangedModel::insertFound(ChangedRow row) {
    const int position = table_->changedPosition(row);
    beginInsertRows({}, position, position);
    table_->insertChanged(position, std::move(row));
    endInsertRows();
}

int ChangedModel::rows() const {
    return table_ == nullptr ? 0 : static_cast<int>(table_->changed().size());
}

bool ChangedModel::checked(int row) const {
    return table_->changed()[static_cast<std::size_t>(row)].checked;
}

bool ChangedModel::checkable(int row) const {
    // A file that could not be measured has no new values to take.
    return table_->changed()[static_cast<std::size_t>(row)].failure.isEmpty();
}

void ChangedModel::setChecked(int row, bool checked) {
    table_->setChangedChecked(row, checked);
}

QVariant ChangedModel::cell(const QModelIndex& index, int role) const {
    const ChangedRow& row = table_->changed()[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole && index.column() == Files) {
        return row.files.join(QLatin1Char('\n'));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const bool measured = row.failure.isEmpty();
    const auto number = [&](int before, int after) {
        return measured ? sideBySide(QString::number(before), QString::number(after))
                        : QString::number(before);
    };
    switch (index.column()) {
        case Name:
            return row.name;
        case Length:
            return number(row.before.length, row.after.length);
        case Size:
            return number(row.before.size, row.after.size);
        case Quality:
            return number(row.before.quality, row.after.quality);
        case Format:
            return measured ? sideBySide(row.before.format, row.after.format) : row.before.format;
        case Files:
            return fileNames(row.files);
        case Note:
            return measured ? QString()
                            : QCoreApplication::translate("FolderStatus", "unreadable: %1")
                                  .arg(row.failure);
        default:
            return {};
    }
}

MissingModel::MissingModel(QObject* parent)
    : CheckBoxTableModel("CheckModels", kMissingTitles, Length, Quality, parent) {}

void MissingModel::setTable(CheckTable* table) {
    replaceTable(table_, table);
}

int MissingModel::rows() const {
    return table_ == nullptr ? 0 : static_cast<int>(table_->missing().size());
}

bool MissingModel::checked(int row) const {
    return table_->missing()[static_cast<std::size_t>(row)].checked;
}

void MissingModel::setChecked(int row, bool checked) {
    table_->setMissingChecked(row, checked);
}

QVariant MissingModel::cell(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    const MissingRow& row = table_->missing()[static_cast<std::size_t>(index.row())];
    const MovieRecord& movie = table_->movie(row.slot);
    switch (index.column()) {
        case Name:
            return fromCatalogueText(nameOf(movie));
        case Genre:
            return fromCatalogueText(fieldText(movie.Genre));
        case Format:
            return fromCatalogueText(fieldText(movie.Format));
        case Length:
            return QString::number(movie.Length);
        case Size:
            return QString::number(movie.Size);
        case Quality:
            return QString::number(movie.Quality);
        default:
            return {};
    }
}

}  // namespace reelcase
