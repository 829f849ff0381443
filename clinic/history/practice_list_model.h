// The practices shown in the History window, newest first: date, exercise,
// practice time and the exercise's main score.
#pragma once

#include "clinic/history/practice_store.h"

#include <QAbstractTableModel>

class PracticeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetPractices(QList<PracticeSummary> practices);
    const QList<PracticeSummary>& Practices() const { return practices_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PracticeSummary> practices_;
};

// How the History window writes a practice's date and time.
QString ShownDateTime(const QDateTime& time);
