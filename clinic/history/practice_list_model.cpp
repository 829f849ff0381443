#include "clinic/history/practice_list_model.h"

namespace {
enum Column { DateColumn, ExerciseColumn, TimeColumn, ScoreColumn, ColumnCount };
}

QString ShownDateTime(const QDateTime& time) {
    return time.toLocalTime().toString("yyyy-MM-dd HH:mm");
}

void PracticeListModel::SetPractices(QList<PracticeSummary> practices) {
    beginResetModel();
    practices_ = std::move(practices);
    endResetModel();
}

int PracticeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(practices_.size());
}

int PracticeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PracticeListModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        index.row() >= practices_.size()) {
        return {};
    }
    const PracticeSummary& p = practices_[index.row()];
    switch (index.column()) {
    case DateColumn:
        return ShownDateTime(p.ended);
    case ExerciseColumn:
        return p.exercise;
    case TimeColumn:
        return p.practiceTime;
    case ScoreColumn:
        return p.headline;
    default:
        return {};
    }
}

QVariant PracticeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    static const char* const headings[ColumnCount] = {"Date", "Exercise", "Practice Time", "Score"};
    return section >= 0 && section < ColumnCount ? QVariant(headings[section]) : QVariant();
}
