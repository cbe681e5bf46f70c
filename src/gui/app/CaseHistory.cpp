#include "app/CaseHistory.h"

#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <algorithm>

namespace quill10::gui {

CaseHistory::CaseHistory(QObject* parent) : QAbstractListModel(parent) {}

CaseHistory::~CaseHistory() = default;

void CaseHistory::SetBudget(std::size_t bytes) { budget_ = bytes; }

void CaseHistory::Push(std::unique_ptr<CaseStep> step) {
    const bool wasClean = IsClean();
    beginResetModel();
    while (Count() > index_) {
        bytes_ -= sizes_.back();
        steps_.pop_back();
        sizes_.pop_back();
    }
    if (clean_ > index_) clean_ = -1;  // the saved state was undone and is written over
    sizes_.push_back(step->Bytes());
    bytes_ += sizes_.back();
    steps_.push_back(std::move(step));
    ++index_;
    // The oldest steps go first; the newest always stays.
    while (bytes_ > budget_ && steps_.size() > 1) {
        bytes_ -= sizes_.front();
        steps_.pop_front();
        sizes_.pop_front();
        --index_;
        clean_ = clean_ > 0 ? clean_ - 1 : -1;
        ++dropped_;
    }
    endResetModel();
    Announce(wasClean);
}

void CaseHistory::Clear() {
    const bool wasClean = IsClean();
    beginResetModel();
    steps_.clear();
    sizes_.clear();
    index_ = 0;
    clean_ = 0;
    dropped_ = 0;
    bytes_ = 0;
    endResetModel();
    Announce(wasClean);
}

void CaseHistory::SetIndex(int index) {
    const bool wasClean = IsClean();
    const int was = index_;
    index_ = std::clamp(index, 0, Count());
    // The rows between the old and the new marker change from done to undone
    // (or back) and are drawn again.
    if (index_ != was) emit dataChanged(this->index(std::min(was, index_) + 1), this->index(std::max(was, index_)));
    Announce(wasClean);
}

void CaseHistory::SetClean() {
    const bool wasClean = IsClean();
    clean_ = index_;
    Announce(wasClean);
}

void CaseHistory::ForgetClean() {
    const bool wasClean = IsClean();
    clean_ = -1;
    Announce(wasClean);
}

void CaseHistory::Announce(bool wasClean) {
    emit changed();
    if (wasClean != IsClean()) emit cleanChanged(IsClean());
}

QString CaseHistory::UndoText() const { return index_ > 0 ? Step(index_ - 1).text() : QString(); }

QString CaseHistory::RedoText() const { return index_ < Count() ? Step(index_).text() : QString(); }

int CaseHistory::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count() + 1; }

// Row 0 is the case as opened and row r the case after step r: the rows past
// the marker are steps undone (by Undo, or by going back in the history), shown
// in grey italics after "Undone: " so they read apart from the steps done.
QVariant CaseHistory::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() > Count()) return {};
    const bool undone = index.row() > index_;
    if (role == Qt::FontRole && undone) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role == Qt::ForegroundRole && undone) return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role != Qt::DisplayRole) return {};
    if (index.row() > 0) return (undone ? QStringLiteral("Undone: ") : QString()) + Step(index.row() - 1).text();
    if (dropped_ == 0) return QStringLiteral("<the case as opened>");
    return QStringLiteral("<%1 older steps dropped to keep the history within %2>")
        .arg(QLocale().toString(dropped_),
             QLocale::c().formattedDataSize(static_cast<qint64>(budget_), 0, QLocale::DataSizeTraditionalFormat));
}

}  // namespace quill10::gui
